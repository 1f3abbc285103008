#!/usr/bin/env bash
# Takes a screenshot of the help window under a real X server: Xvfb with openbox, the real
# program, its help icon clicked with xdotool, the window captured with ImageMagick.
#
#   scripts/screenshot-form2.sh [--build-dir DIR]
#
# Writes docs/form2-help.png, the help window's 398 x 556 client area as it opens: the pointer
# stays on the help icon, so the close glyph shows its highlight.
# Needs: xvfb, openbox, xdotool, imagemagick; the program built (cmake --build ...).
set -euo pipefail

# shellcheck source=lib/screenshot-session.sh source-path=SCRIPTDIR
source "$(dirname "$0")/lib/screenshot-session.sh" "$@"

"$program" >/dev/null 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

main=$(timeout 20 xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1)
sleep 0.5
xdotool mousemove --window "$main" 472 544 click 1 # the help icon
help=$(timeout 20 xdotool search --sync --onlyvisible --name '^Form2$' | head -n 1)
sleep 1

mkdir -p "$root/docs"
import -window "$help" "$root/docs/form2-help.png"
echo "wrote docs/form2-help.png"
