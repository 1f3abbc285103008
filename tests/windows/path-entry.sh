#!/usr/bin/env bash
# The installer's PATH editing on its table of PATHs (path-entry-test.nsi), built with makensis
# and run under Wine, in the Wine that scripts/test-windows.sh set up. Exits 0 when every check
# held, 1 otherwise (each failed check is printed), 77 when a tool is missing.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
for tool in makensis wine iconv; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
results_win="Z:${work//\//\\}\\results.txt"
makensis -V2 -DRESULTS="$results_win" -DOUTFILE="$work/path-entry-test.exe" \
    "$here/path-entry-test.nsi" || exit 1
wine "$work/path-entry-test.exe"
status=$?
[[ -f "$work/results.txt" ]] || { echo "FAILED: no results (status $status)"; exit 1; }
iconv -f utf-16 -t utf-8 "$work/results.txt" | tee "$work/results-utf8.txt"
passed=$(grep -c '^ok: ' "$work/results-utf8.txt")
failed=$(grep -c '^FAILED: ' "$work/results-utf8.txt")
echo "$passed passed, $failed failed"
[[ $(tail -n 1 "$work/results-utf8.txt") == done ]] || { echo "FAILED: the checks stopped early"; exit 1; }
[[ "$status" -eq 0 && "$failed" -eq 0 && "$passed" -gt 0 ]]
