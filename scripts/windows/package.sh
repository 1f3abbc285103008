#!/usr/bin/env bash
# Packs the built Windows program of a build folder:
#   Pelmora-<version>-win64.zip          the portable program: pelmora.exe, the console program
#                                        pelmora-journal.exe and the licences
#   Pelmora-<version>-win64-setup.exe    the installer of the same files (dist/windows/pelmora.nsi)
#   Pelmora-<version>-win64-objects.zip  Pelmora's own objects, the SQLite library and the link
#                                        commands, so that both programs can be relinked with
#                                        another Qt
#   package.sh BUILD_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
sqlite_version=$(dpkg-query -W -f='${Version}' libsqlite3-dev)
name="Pelmora-$version-win64"

stage="$build/stage"
rm -rf "$stage"
mkdir -p "$stage"
x86_64-w64-mingw32-strip -o "$stage/pelmora.exe" "$build/app/pelmora.exe"
x86_64-w64-mingw32-strip -o "$stage/pelmora-journal.exe" "$build/cli/pelmora-journal.exe"
cp "$root/assets/fonts/OFL.txt" "$stage/OFL.txt"
cp /usr/share/common-licenses/LGPL-3 "$stage/LGPL-3.txt"
cp /usr/share/common-licenses/GPL-3 "$stage/GPL-3.txt"
sed -e "s/@QT_VERSION@/${qt_version%%+*}/" -e "s/@QT_PACKAGE_VERSION@/$qt_version/" \
    -e "s/@SQLITE_VERSION@/${sqlite_version%%-*}/" \
    -e "s/@SQLITE_PACKAGE_VERSION@/$sqlite_version/" -e "s/@PELMORA_VERSION@/$version/" \
    "$root/dist/windows/Qt-LGPL-relinking.txt" >"$stage/Qt-LGPL-relinking.txt"
# Notepad on any Windows reads CRLF lines.
sed -i 's/$/\r/' "$stage"/*.txt

rm -f "$build/$name.zip"
(cd "$stage" && zip -q -X -9 "$build/$name.zip" ./*)

makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$build/$name-setup.exe" \
    "$root/dist/windows/pelmora.nsi"

# The objects the programs are linked from, and the commands that link them, run in the
# unpacked folder. SQLite is no part of Pelmora's build, so its library comes along as
# sqlite/libsqlite3.a, and the commands name it there.
objects="$build/objects"
rm -rf "$objects" "$build/$name-objects.zip"
mkdir -p "$objects/sqlite"
sqlite=$(sed -n 's/^SQLite3_LIBRARY:FILEPATH=//p' "$build/CMakeCache.txt")
cp "$sqlite" "$objects/sqlite/libsqlite3.a"
for program in app/pelmora.exe:link-command.txt cli/pelmora-journal.exe:link-command-journal.txt; do
    (cd "$build" && ninja -t commands "${program%%:*}" | tail -n 1) |
        sed "s|$sqlite|sqlite/libsqlite3.a|g" >"$objects/${program#*:}"
    if ! grep -q ' sqlite/libsqlite3.a' "$objects/${program#*:}"; then
        echo "The link command of ${program%%:*} names no SQLite library at $sqlite" >&2
        exit 1
    fi
done
(cd "$build" && find app assets calc cli design numbers platform store ui -name '*.obj' \
    -o -name '*.a' -o -name '*.res' | grep -v '/tests/' | sort |
    zip -q -X -@ "$build/$name-objects.zip")
(cd "$objects" && zip -q -X -r "$build/$name-objects.zip" link-command.txt \
    link-command-journal.txt sqlite)

ls -l "$build/$name.zip" "$build/$name-setup.exe" "$build/$name-objects.zip" |
    awk '{printf "%s  %d bytes\n", $NF, $5}'
