# Sourced by the system tests: counts checks and ends the test with a summary.
failures=0
passes=0

check() { # check DESCRIPTION EXPECTED ACTUAL
    if [ "$2" == "$3" ]; then
        echo "ok: $1"
        passes=$((passes + 1))
    else
        echo "FAILED: $1: expected '$2', got '$3'"
        failures=$((failures + 1))
    fi
}

finish_checks() {
    echo "$passes passed, $failures failed"
    [ "$failures" -eq 0 ]
}
