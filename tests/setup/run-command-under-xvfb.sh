#!/usr/bin/env bash
# The README's way to start the calculator without a display, as a new user follows it:
# install what is missing, then scripts/run.sh under xvfb-run in the background. The window
# Form1 must appear (the wait covers the first build), and a click on its close glyph must end
# the program with status 0. Run it on a fresh machine with
#   ../shared/tools/fresh-debian bash tests/setup/run-command-under-xvfb.sh
set -euo pipefail
cd "$(dirname "$0")/../.."

bash scripts/install-deps.sh
log=$(mktemp)
xvfb-run -a bash -c '
    bash scripts/run.sh >"$1" 2>&1 &
    pid=$!
    window=$(timeout 1800 xdotool search --sync --onlyvisible --name "^Form1\$" | head -n 1)
    [ -n "$window" ] || { echo "Form1 never appeared"; exit 1; }
    sleep 1
    xdotool mousemove --window "$window" 492 20 click 1
    for _ in $(seq 100); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            status=$?
            echo "the close glyph ended the program with status $status"
            exit "$status"
        fi
        sleep 0.1
    done
    echo "still running 10 s after a click on the close glyph"
    exit 1
' run-command "$log" || { tail -n 30 "$log"; exit 1; }
