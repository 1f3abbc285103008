#!/usr/bin/env bash
# Drives the real program under a real window manager: drags by the title strip with the left
# and the right button, opens, hides and reopens the help window, and ends the program with its
# close glyph and with Alt+F4. Run inside with-x-server.sh. Usage: borderless-windows.sh PROGRAM
set -uo pipefail

program=$1
for tool in xdotool xwininfo xprop; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 77; }
done
. "$(dirname "$0")/checks.sh"

wait_for_window() { # wait_for_window NAME -> window id of the visible window
    for _ in $(seq 100); do
        local id
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Position of a window's client area on the screen, "x y".
position_of() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}'
}

window_is_visible() {
    xwininfo -id "$1" 2>/dev/null | awk '/Map State/ {print $3}'
}

# yes when the window's icon starts with the program's 256 x 256 image.
has_program_icon() {
    xprop -id "$1" -notype -f _NET_WM_ICON 32c ' $0x$1' _NET_WM_ICON | grep -q ' 256x256$' &&
        echo yes || echo no
}

settle() { sleep 0.4; }

# pointer_to X Y: moves the pointer and waits until it is there. xdotool's --sync waits for a
# motion that never comes when the pointer is there already.
pointer_to() {
    local at
    at=$(xdotool getmouselocation | awk '{print $1, $2}')
    if [ "$at" != "x:$1 y:$2" ]; then
        xdotool mousemove --sync "$1" "$2"
    fi
}

# drag WINDOW BUTTON DX DY: press on the title strip, move in steps, release.
drag() {
    local id=$1 button=$2 dx=$3 dy=$4
    read -r x y < <(position_of "$id")
    local sx=$((x + 200)) sy=$((y + 15))
    pointer_to "$sx" "$sy"
    xdotool mousedown "$button"
    sleep 0.2
    for step in 1 2 3 4 5; do
        pointer_to $((sx + dx * step / 5)) $((sy + dy * step / 5))
        sleep 0.05
    done
    sleep 0.2
    xdotool mouseup "$button"
    settle
}

# click WINDOW X Y: a left click at a point of the window's client area.
click() {
    read -r x y < <(position_of "$1")
    pointer_to $((x + $2)) $((y + $3))
    xdotool click 1
    settle
}

"$program" &
pid=$!

form1=$(wait_for_window Form1) || { echo "FAILED: Form1 never appeared"; kill "$pid"; exit 1; }
settle

read -r x0 y0 < <(position_of "$form1")
drag "$form1" 1 -200 70
read -r x1 y1 < <(position_of "$form1")
check "a left-button drag moves Form1 by the pointer's travel" "$((x0 - 200)) $((y0 + 70))" "$x1 $y1"

drag "$form1" 3 -60 40
read -r x2 y2 < <(position_of "$form1")
check "a right-button drag moves Form1 by the pointer's travel" "$((x1 - 60)) $((y1 + 40))" "$x2 $y2"

click "$form1" 472 544 # the help icon
form2=$(wait_for_window Form2) || form2=""
check "the help icon opens Form2" "yes" "$([ -n "$form2" ] && echo yes || echo no)"

if [ -n "$form2" ]; then
    check "Form2 first opens at its design position" "853 53" "$(position_of "$form2")"
    # openbox writes its own default icon, of 48 x 48 pixels, onto a window that has none.
    check "Form1 carries the program's icon" "yes" "$(has_program_icon "$form1")"
    check "Form2 has no icon of its own" "no" "$(has_program_icon "$form2")"
    drag "$form2" 1 -90 30
    read -r hx hy < <(position_of "$form2")
    click "$form2" 376 15 # its close glyph
    check "the help window's glyph hides it" "IsUnMapped" "$(window_is_visible "$form2")"
    click "$form1" 472 544
    wait_for_window Form2 >/dev/null
    read -r hx2 hy2 < <(position_of "$form2")
    check "the help icon shows it again where it was dragged" "$hx $hy" "$hx2 $hy2"
fi

# wait_for_end PID: sets `ended` to the status the process ended with, or to "running" when it
# is still running after five seconds. Not run in a subshell, which cannot wait for the process.
wait_for_end() {
    ended=running
    for _ in $(seq 50); do
        if ! kill -0 "$1" 2>/dev/null; then
            wait "$1"
            ended=$?
            return
        fi
        sleep 0.1
    done
    kill "$1"
}

click "$form1" 492 20 # the main close glyph, the help window shown
wait_for_end "$pid"
check "Form1's glyph ends the process with status 0" "0" "$ended"

# Closed by the window manager, Form1 takes the shown help window with it.
"$program" &
pid=$!
form1=$(wait_for_window Form1) || { echo "FAILED: Form1 never appeared"; kill "$pid"; exit 1; }
settle
click "$form1" 472 544
wait_for_window Form2 >/dev/null
click "$form1" 10 100 # bare background: gives Form1 the keyboard focus
xdotool key alt+F4
wait_for_end "$pid"
check "Alt+F4 on Form1 ends the process with status 0" "0" "$ended"

finish_checks
