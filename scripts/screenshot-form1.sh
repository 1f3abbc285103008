#!/usr/bin/env bash
# Takes a screenshot of the main window after the worked example, under a real X server: Xvfb
# with openbox, the real program, typed into and clicked with xdotool, captured with ImageMagick.
#
#   scripts/screenshot-form1.sh [--build-dir DIR] [--help-source] [--full-cost]
#
# Writes docs/form1-worked-example.png, the window's 514 x 564 client area. With --help-source
# it also writes the same capture to assets/source/form1-worked-example.png, from which the
# help picture's reduced image of the main window is made. With --full-cost it first opens the
# settings window from the gear, captures it as docs/form3-settings.png, switches the full-cost
# mode on and closes it, and writes the worked example as docs/form1-full-cost.png instead.
# The program remembers nothing of it: its settings go to a temporary folder.
# Needs: xvfb, openbox, xdotool, imagemagick; the program built (cmake --build ...).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build_dir="$root/build/default"
help_source=false
full_cost=false
while [[ $# -gt 0 ]]; do
    case "$1" in
    --build-dir) build_dir=$(cd "$2" && pwd); shift 2 ;;
    --help-source) help_source=true; shift ;;
    --full-cost) full_cost=true; shift ;;
    *) echo "usage: $0 [--build-dir DIR] [--help-source] [--full-cost]" >&2; exit 2 ;;
    esac
done
program="$build_dir/app/pelmora"
[[ -x "$program" ]] || { echo "no program at $program; build it first" >&2; exit 1; }

# The rest runs again inside a private X session.
if [[ -z "${PELMORA_X_SESSION:-}" ]]; then
    args=(--build-dir "$build_dir")
    $help_source && args+=(--help-source)
    $full_cost && args+=(--full-cost)
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

source "$root/tests/system/worked-example.sh"
mkdir -p "$work/config"
XDG_CONFIG_HOME="$work/config" "$program" >"$work/pelmora.log" 2>&1 &
pids+=($!)
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1)

# Positions inside the window, at the middle of each control.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.2; }
# capture WINDOW WIDTH HEIGHT FILE: the window's client area, as the screen shows it.
capture() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "${2}x${3}+${X}+${Y}" +repage "$4"
}

mkdir -p "$root/docs"
if $full_cost; then
    click 316 545                    # the gear
    settings=$(timeout 20 xdotool search --sync --onlyvisible --name '^Form3$' | head -n 1)
    xdotool mousemove --window "$settings" 250 70
    sleep 0.5
    capture "$settings" 320 302 "$root/docs/form3-settings.png"
    echo "wrote docs/form3-settings.png"
    xdotool mousemove --window "$settings" 158 94 click 1   # Check1: the full-cost mode on
    sleep 0.2
    xdotool mousemove --window "$settings" 300 15 click 1   # its close glyph
    sleep 0.3
fi

type_worked_example "$window"
xdotool mousemove 1000 740
sleep 1

capture "$window" 514 564 "$work/form1.png"
shot=form1-worked-example.png
$full_cost && shot=form1-full-cost.png
cp "$work/form1.png" "$root/docs/$shot"
echo "wrote docs/$shot"
if $help_source; then
    mkdir -p "$root/assets/source"
    cp "$work/form1.png" "$root/assets/source/form1-worked-example.png"
    echo "wrote assets/source/form1-worked-example.png"
fi
