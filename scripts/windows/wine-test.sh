#!/usr/bin/env bash
# Runs a Windows test program under Wine, for CTest. Now and then Wine 8 on Debian 12 fails an
# assertion of the C library's loader as the process ends ("Inconsistency detected by ld.so:
# dl-fini.c"), after the program has run and reported, and the status is lost. Then, and only
# then, the program runs once more; every other failure stands.
set -uo pipefail
log=$(mktemp)
trap 'rm -f "$log"' EXIT
for attempt in 1 2; do
    wine "$@" 2>&1 | tee "$log"
    status=${PIPESTATUS[0]}
    if [[ "$status" -eq 0 ]] || ! grep -q 'Inconsistency detected by ld.so' "$log"; then
        exit "$status"
    fi
    echo "(attempt $attempt: Wine's loader failed as the program ended; running it again)"
done
exit "$status"
