#!/usr/bin/env bash
# What the portable zip holds and what its program files carry: pelmora.exe and the console
# program pelmora-journal.exe with the licences, the zip within 15 MB; both programs importing
# only DLLs every Windows has (no compiler runtime, no Qt DLL, no SQLite DLL), pelmora.exe a
# window program and pelmora-journal.exe a console one; pelmora.exe's icon, its version resource
# with a Chinese description, and its manifest asking for per-monitor DPI awareness.
#   package-checks.sh BUILD_DIR
set -uo pipefail
build=$1
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
zip="$build/Pelmora-$version-win64.zip"
failures=0
fail() { echo "FAILED: $*" >&2; failures=$((failures + 1)); }

[[ -f "$zip" ]] || { echo "FAILED: no $zip; run scripts/build-windows.sh" >&2; exit 1; }
size=$(stat -c %s "$zip")
(( size <= 15 * 1024 * 1024 )) || fail "the zip is $size bytes, more than 15 MB"
contents=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
[[ "$contents" == "GPL-3.txt LGPL-3.txt OFL.txt Qt-LGPL-relinking.txt pelmora-journal.exe pelmora.exe " ]] ||
    fail "the zip holds: $contents"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$zip" pelmora.exe pelmora-journal.exe -d "$work"
program="$work/pelmora.exe"

# The DLLs of Windows itself, in System32 on every Windows 10 and 11 (the api-ms-win-* names are
# the system's own API sets).
system_dlls=$(echo " advapi32.dll authz.dll comctl32.dll comdlg32.dll d3d11.dll d3d9.dll dwmapi.dll
    dwrite.dll dxgi.dll gdi32.dll imm32.dll kernel32.dll mpr.dll msvcrt.dll netapi32.dll ole32.dll
    oleaut32.dll opengl32.dll setupapi.dll shcore.dll shell32.dll shlwapi.dll user32.dll
    userenv.dll uxtheme.dll version.dll winmm.dll ws2_32.dll wtsapi32.dll
    api-ms-win-core-synch-l1-2-0.dll api-ms-win-core-winrt-l1-1-0.dll
    api-ms-win-core-winrt-string-l1-1-0.dll " | tr -s ' \n' '  ')
summary=""
# Each program: its subsystem (2 a window program, 3 a console one) and the DLLs it imports.
while read -r file subsystem; do
    header=$(x86_64-w64-mingw32-objdump -p "$work/$file")
    [[ $(awk '$1 == "Subsystem" {print $2 + 0}' <<<"$header") == "$subsystem" ]] ||
        fail "$file is not of subsystem $subsystem: $(grep '^Subsystem' <<<"$header")"
    file_imports=$(awk '/DLL Name:/ {print tolower($3)}' <<<"$header" | sort -u)
    [[ -n "$file_imports" ]] || fail "no import table read from $file"
    for dll in $file_imports; do
        [[ "$system_dlls" == *" $dll "* ]] || fail "$file imports $dll, not a DLL of Windows"
    done
    summary+="; $file $(stat -c %s "$work/$file") bytes, imports: $(echo $file_imports)"
done <<'PROGRAMS'
pelmora.exe 2
pelmora-journal.exe 3
PROGRAMS

resources=$(x86_64-w64-mingw32-windres -i "$program" -O rc 2>/dev/null | iconv -f utf-8 -t utf-8 -c)
grep -q 'ICON' <<<"$resources" || fail "no icon resource"
grep -q 'VALUE "ProductName", "Pelmora"' <<<"$resources" || fail "no product name Pelmora"
grep -q "VALUE \"ProductVersion\", \"$version\"" <<<"$resources" || fail "no version $version"
# windres writes text outside ASCII as \xNNNN escapes of UTF-16 units.
description=$(sed -n 's/.*VALUE "FileDescription", L\?"\(.*\)"/\1/p' <<<"$resources" |
    python3 -c 'import re, sys; print(re.sub(r"\\x([0-9a-f]{4})", lambda m: chr(int(m[1], 16)), sys.stdin.read().strip()))')
[[ "$description" == "Pelmora A股交易计算器" ]] || fail "file description '$description'"
grep -q 'PerMonitorV2' <<<"$resources" || fail "no manifest with per-monitor DPI awareness"

[[ "$failures" -eq 0 ]] || exit 1
echo "zip $size bytes$summary"
