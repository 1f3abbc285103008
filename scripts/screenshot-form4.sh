#!/usr/bin/env bash
# Takes a screenshot of the trade-tools window under a real X server: Xvfb with openbox, the real
# program, the window opened with F3, the three worked examples typed with xdotool and
# calculated, the window captured with ImageMagick.
#
#   scripts/screenshot-form4.sh [--build-dir DIR]
#
# Writes docs/form4-trade-tools.png, the window's 340 x 480 client area with the commission rates
# the main window starts with (0.3 % and 0.4 %) and the default costs.
# Needs: xvfb, openbox, xdotool, imagemagick; the program built (cmake --build ...).
set -euo pipefail

# shellcheck source=lib/screenshot-session.sh source-path=SCRIPTDIR
source "$(dirname "$0")/lib/screenshot-session.sh" "$@"

# A configuration folder of its own, so the user's remembered settings stay out of the picture.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
"$program" >/dev/null 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$XDG_CONFIG_HOME"' EXIT

main=$(timeout 20 xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1)
sleep 0.5
xdotool windowactivate --sync "$main" key F3
tools=$(timeout 20 xdotool search --sync --onlyvisible --name '^Form4$' | head -n 1)
sleep 0.5

# Types `text` into the box centred at (x, y) of the window, over what it held.
type_at() {
    xdotool mousemove --window "$tools" "$1" "$2" click 1 key ctrl+a type "$3"
}
# The columns' centres, and each panel's row of boxes and its Calculate button.
columns=(48 128 208 288)
examples=("102 500 9.95 10.20 0" "236 600 8.907 8.50 8.70" "393 1000 9 500 10.20")
buttons=(54 188 345)
for panel in 0 1 2; do
    read -r y a b c d <<<"${examples[$panel]}"
    values=("$a" "$b" "$c" "$d")
    for column in 0 1 2 3; do
        type_at "${columns[$column]}" "$y" "${values[$column]}"
    done
    xdotool mousemove --window "$tools" 302 "${buttons[$panel]}" click 1
done
xdotool mousemove --window "$tools" 170 470 # off every control, on the bare picture
sleep 1

mkdir -p "$root/docs"
import -window "$tools" "$root/docs/form4-trade-tools.png"
echo "wrote docs/form4-trade-tools.png"
