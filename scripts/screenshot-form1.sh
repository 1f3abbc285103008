#!/usr/bin/env bash
# Takes a screenshot of the main window after the worked example, under a real X server: Xvfb
# with openbox, the real program, typed into and clicked with xdotool, captured with ImageMagick.
#
#   scripts/screenshot-form1.sh [--build-dir DIR] [--help-source]
#
# Writes docs/form1-worked-example.png, the window's 514 x 564 client area. With --help-source
# it also writes the same capture to assets/source/form1-worked-example.png, from which the
# help picture's reduced image of the main window is made.
# Needs: xvfb, openbox, xdotool, imagemagick; the program built (cmake --build ...).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build_dir="$root/build/default"
help_source=false
while [[ $# -gt 0 ]]; do
    case "$1" in
    --build-dir) build_dir=$(cd "$2" && pwd); shift 2 ;;
    --help-source) help_source=true; shift ;;
    *) echo "usage: $0 [--build-dir DIR] [--help-source]" >&2; exit 2 ;;
    esac
done
program="$build_dir/app/pelmora"
[[ -x "$program" ]] || { echo "no program at $program; build it first" >&2; exit 1; }

# The rest runs again inside a private X session.
if [[ -z "${PELMORA_X_SESSION:-}" ]]; then
    args=(--build-dir "$build_dir")
    $help_source && args+=(--help-source)
    PELMORA_X_SESSION=1 exec "$root/tests/system/with-x-server.sh" --screen 1024x768 bash "$0" \
        "${args[@]}"
fi

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

"$program" >"$work/pelmora.log" 2>&1 &
pids+=($!)
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1)

# Positions inside the window, at the middle of each control.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.2; }
type_text() { xdotool type --delay 30 "$1"; sleep 0.2; }

click 60 153; type_text 600          # nr1
click 116 153; type_text 8.88        # jr1
click 464 52                         # Command1
click 44 377; type_text 18.88        # jc
click 472 316                        # Command2
click 56 505; type_text 8888         # Text1
click 472 436                        # Command3
xdotool mousemove 1000 740
sleep 1

eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root "$work/screen.png"
convert "$work/screen.png" -crop "514x564+${X}+${Y}" +repage "$work/form1.png"

mkdir -p "$root/docs"
cp "$work/form1.png" "$root/docs/form1-worked-example.png"
echo "wrote docs/form1-worked-example.png (window at $X,$Y)"
if $help_source; then
    mkdir -p "$root/assets/source"
    cp "$work/form1.png" "$root/assets/source/form1-worked-example.png"
    echo "wrote assets/source/form1-worked-example.png"
fi
