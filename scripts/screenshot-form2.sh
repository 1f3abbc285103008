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

root=$(cd "$(dirname "$0")/.." && pwd)
build_dir="$root/build/default"
while [[ $# -gt 0 ]]; do
    case "$1" in
    --build-dir) build_dir=$(cd "$2" && pwd); shift 2 ;;
    *) echo "usage: $0 [--build-dir DIR]" >&2; exit 2 ;;
    esac
done
program="$build_dir/app/pelmora"
[[ -x "$program" ]] || { echo "no program at $program; build it first" >&2; exit 1; }

# The rest runs again inside a private X session.
if [[ -z "${PELMORA_X_SESSION:-}" ]]; then
    PELMORA_X_SESSION=1 exec "$root/tests/system/with-x-server.sh" bash "$0" --build-dir "$build_dir"
fi

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
