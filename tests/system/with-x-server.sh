#!/usr/bin/env bash
# Runs a command inside a private X session: Xvfb on a display it picks itself, with the openbox
# window manager; both are stopped when the command ends, and the command's status is returned.
#   with-x-server.sh [--screen WxH] COMMAND [ARGS...]
# Exits with 77 (a skipped test to CTest) when Xvfb or openbox is not installed. The command
# inherits the caller's environment untouched but for DISPLAY, QT_QPA_PLATFORM and
# QT_SCALE_FACTOR, so this script's own variables carry a prefix no caller uses.
set -uo pipefail

session_screen=1280x800
if [[ "${1:-}" == "--screen" ]]; then
    session_screen=$2
    shift 2
fi
[[ $# -gt 0 ]] || { echo "usage: $0 [--screen WxH] COMMAND [ARGS...]" >&2; exit 2; }
for session_tool in Xvfb openbox xprop; do
    command -v "$session_tool" >/dev/null || { echo "$session_tool is not installed" >&2; exit 77; }
done

session_dir=$(mktemp -d)
session_pids=()
session_end() {
    local pid
    for pid in "${session_pids[@]}"; do kill "$pid" 2>/dev/null; done
    for pid in "${session_pids[@]}"; do wait "$pid" 2>/dev/null; done
    rm -rf "$session_dir"
}
trap session_end EXIT

# Xvfb writes the number of the display it took to fd 3 once it accepts clients, so parallel
# sessions never race for the same display. Without -noreset the server resets whenever its
# last client leaves, and a client connecting meanwhile is refused: a probe below that ends
# before openbox connects would leave the session without a window manager.
Xvfb -displayfd 3 -screen 0 "${session_screen}x24" -nolisten tcp -noreset \
    3>"$session_dir/display" 2>"$session_dir/xvfb.log" &
session_pids+=($!)
for _ in $(seq 300); do
    [[ -s "$session_dir/display" ]] && break
    sleep 0.1
done
if [[ ! -s "$session_dir/display" ]]; then
    echo "Xvfb did not start in 30 s:" >&2
    cat "$session_dir/xvfb.log" >&2
    exit 1
fi
DISPLAY=":$(cat "$session_dir/display")"
export DISPLAY

openbox --sm-disable >"$session_dir/openbox.log" 2>&1 &
session_wm=$!
session_pids+=("$session_wm")
# The window manager is ready once it has claimed the root window's manager selection. Without
# it no window is activated and keys go nowhere, so its absence is said here, not left to show
# up as a test's odd failure. Generous for a loaded machine; the loop ends as soon as it is up.
session_wm_up=no
for _ in $(seq 600); do
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
        session_wm_up=yes
        break
    fi
    kill -0 "$session_wm" 2>/dev/null || break
    sleep 0.05
done
if [[ $session_wm_up != yes ]]; then
    echo "openbox did not take over the display $DISPLAY:" >&2
    cat "$session_dir/openbox.log" >&2
    exit 1
fi

# The program under test talks to this X server, not to Qt's offscreen platform, and at single
# density, so positions are the design's pixels.
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
"$@"
