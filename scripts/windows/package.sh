#!/usr/bin/env bash
# Packs the built Windows program of a build folder:
#   Pelmora-<version>-win64.zip          the portable program: pelmora.exe and the licences
#   Pelmora-<version>-win64-setup.exe    the installer of the same files (dist/windows/pelmora.nsi)
#   Pelmora-<version>-win64-objects.zip  Pelmora's own objects and the link command, so that the
#                                        program can be relinked with another Qt
#   package.sh BUILD_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
name="Pelmora-$version-win64"

stage="$build/stage"
rm -rf "$stage"
mkdir -p "$stage"
x86_64-w64-mingw32-strip -o "$stage/pelmora.exe" "$build/app/pelmora.exe"
cp "$root/assets/fonts/OFL.txt" "$stage/OFL.txt"
cp /usr/share/common-licenses/LGPL-3 "$stage/LGPL-3.txt"
cp /usr/share/common-licenses/GPL-3 "$stage/GPL-3.txt"
sed -e "s/@QT_VERSION@/${qt_version%%+*}/" -e "s/@QT_PACKAGE_VERSION@/$qt_version/" \
    -e "s/@PELMORA_VERSION@/$version/" \
    "$root/dist/windows/Qt-LGPL-relinking.txt" >"$stage/Qt-LGPL-relinking.txt"
# Notepad on any Windows reads CRLF lines.
sed -i 's/$/\r/' "$stage"/*.txt

rm -f "$build/$name.zip"
(cd "$stage" && zip -q -X -9 "$build/$name.zip" ./*)

makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$build/$name-setup.exe" \
    "$root/dist/windows/pelmora.nsi"

# The objects the program is linked from, and the command that links them.
objects="$build/objects"
rm -rf "$objects" "$build/$name-objects.zip"
mkdir -p "$objects"
(cd "$build" && ninja -t commands app/pelmora.exe | tail -n 1) >"$objects/link-command.txt"
(cd "$build" && find app assets calc design numbers platform ui -name '*.obj' -o -name '*.a' \
    -o -name '*.res' | grep -v '/tests/' | sort | zip -q -X -@ "$build/$name-objects.zip")
(cd "$objects" && zip -q -X "$build/$name-objects.zip" link-command.txt)

ls -l "$build/$name.zip" "$build/$name-setup.exe" "$build/$name-objects.zip" |
    awk '{printf "%s  %d bytes\n", $NF, $5}'
