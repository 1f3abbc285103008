#!/usr/bin/env bash
# What a screen reader gets from the real program on the real accessibility bus. Starts a
# private D-Bus session with the AT-SPI bus and registry up, with empty configuration and data
# folders of its own, and runs one scenario in it: a Python script in this folder that starts the
# program as often as it needs, reads and operates it over AT-SPI while typing by keyboard only,
# and ends every run with the main window's close glyph pressed over AT-SPI.
#   screen-reader.sh SCENARIO PROGRAM
# SCENARIO: screen-reader.py (the worked example, the help window), screen-reader-full-cost.py
# (the full-cost mode over three starts) or screen-reader-journal.py (a holding in the journal).
# Run inside with-x-server.sh.
# Exits with 77 (a skipped test to CTest) when a tool it needs is not installed.
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# pyatspi (python3-pyatspi) is installed for Debian's interpreter only; a python3 found earlier
# on PATH, from pyenv or a virtual environment, does not have it.
python=/usr/bin/python3
# Long enough for a start under AddressSanitizer on a loaded machine; the waits poll.
bus_timeout=60

if [[ "${1:-}" != "--in-session" ]]; then
    [[ $# -eq 2 && -f "$here/$1" ]] || { echo "usage: $0 SCENARIO.py PROGRAM" >&2; exit 2; }
    for tool in dbus-run-session dbus-send xdotool; do
        command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 77; }
    done
    [[ -e /usr/share/dbus-1/services/org.a11y.Bus.service ]] ||
        { echo "at-spi2-core is not installed" >&2; exit 77; }
    "$python" -c 'import pyatspi' 2>/dev/null ||
        { echo "$python cannot import pyatspi: python3-pyatspi is not installed" >&2; exit 77; }

    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    mkdir -m 700 "$work/runtime" "$work/config"
    # The buses' sockets and whatever the program saves stay in this run's folders, away from
    # parallel runs and from the desktop of whoever runs the test. An accessibility bus address
    # inherited from the caller would take the program and the checks to someone else's bus.
    unset AT_SPI_BUS_ADDRESS
    # The daemons write to the session's output; that goes to a log, shown when the buses fail
    # to come up, while this script's own output comes back through descriptors 3 and 4.
    XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data \
        dbus-run-session -- bash "$0" --in-session "$1" "$2" "$work" \
        3>&1 4>&2 >"$work/daemons.log" 2>&1
    exit
fi

# Inside the private session.
exec 1>&3 2>&4 3>&- 4>&-
scenario=$2
program=$3
work=$4
. "$here/checks.sh"

buses_failed() {
    echo "FAILED: $1"
    # The first attempt's words say why; the attempts after it repeat them.
    echo "--- what the D-Bus daemons and the AT-SPI services said first and last:"
    head -n 20 "$work/daemons.log"
    if [[ $(wc -l <"$work/daemons.log") -gt 30 ]]; then
        echo "..."
        tail -n 10 "$work/daemons.log"
    else
        tail -n +21 "$work/daemons.log"
    fi
    exit 1
}

# D-Bus activation starts the accessibility bus and its registry on the first call to each. Qt
# never makes that call: it only waits for the bus to appear, so both must be up before it starts.
a11y_bus=""
for _ in $(seq $((bus_timeout * 2))); do
    a11y_bus=$(dbus-send --session --print-reply=literal --reply-timeout=5000 \
        --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress 2>>"$work/daemons.log" |
        tr -d ' \n')
    [[ -n "$a11y_bus" ]] && break
    sleep 0.5
done
[[ -n "$a11y_bus" ]] || buses_failed \
    "the accessibility bus (org.a11y.Bus: at-spi-bus-launcher) did not start in ${bus_timeout} s"
registry=down
for _ in $(seq $((bus_timeout * 2))); do
    if dbus-send --bus="$a11y_bus" --print-reply --reply-timeout=5000 \
        --dest=org.a11y.atspi.Registry /org/a11y/atspi/registry \
        org.freedesktop.DBus.Peer.Ping >/dev/null 2>>"$work/daemons.log"; then
        registry=up
        break
    fi
    sleep 0.5
done
[[ $registry == up ]] || buses_failed \
    "the registry (org.a11y.atspi.Registry: at-spi2-registryd) did not start in ${bus_timeout} s"
check "the accessibility bus and its registry come up" up "$registry"

# The scenario starts the program itself, once or more, and judges how each run ends: only the
# parent of a process can wait for its status.
# -B: nothing is written into the source folder (no __pycache__ of the shared module).
"$python" -B "$here/$scenario" "$program" | tee "$work/checks.log"
checks_status=${PIPESTATUS[0]}
passes=$((passes + $(grep -c '^ok:' "$work/checks.log")))
failures=$((failures + $(grep -c '^FAILED:' "$work/checks.log")))
if [[ $checks_status -ne 0 ]] && ! grep -q '^FAILED:' "$work/checks.log"; then
    echo "FAILED: $scenario ended with status $checks_status before saying why"
    failures=$((failures + 1))
fi

finish_checks
