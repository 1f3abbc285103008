#!/usr/bin/env bash
# Started where no display can be reached, the program says so in Chinese and English and ends
# with status 1, rather than aborting with Qt's message alone.
#   no-display.sh PROGRAM
set -uo pipefail
program=$1
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

check() { # check DESCRIPTION ENV...
    local description=$1
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" >"$work/out" 2>"$work/err"
    local status=$?
    if [ "$status" -eq 1 ] && grep -q '无法连接到显示服务器' "$work/err" &&
        grep -q 'cannot connect to a display' "$work/err"; then
        echo "ok: $description"
    else
        echo "FAILED: $description: status $status, said:"
        sed 's/^/    /' "$work/err"
        failures=$((failures + 1))
    fi
}

check "no DISPLAY at all"
check "a DISPLAY no server answers" DISPLAY=:65001
[ "$failures" -eq 0 ]
