# Sourced by the scripts that drive the program on an X server with xdotool.
# type_worked_example WINDOW: the worked example typed into the main window, pressing each "计算"
# in turn: 600 bought at 8.88, sold at 18.88, and the sell price for a profit of 8888. Points are
# inside the window, at the middle of each control.
type_worked_example() {
    local window=$1 x y text
    while read -r x y text; do
        xdotool mousemove --window "$window" "$x" "$y" click 1
        sleep 0.3
        if [[ -n "$text" ]]; then
            xdotool type --delay 40 "$text"
            sleep 0.3
        fi
    done <<'PRESSES'
60 153 600
116 153 8.88
464 52
44 377 18.88
472 316
56 505 8888
472 436
PRESSES
}
