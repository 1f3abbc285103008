# Sourced by the Windows scripts: which Qt is built for Windows, with which options, and where it
# is kept once built. The folder's name carries the version and a digest of the options, so a
# change of either builds a new Qt instead of reusing one that no longer fits.

PELMORA_QT_VERSION="$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)"
PELMORA_QT_UPSTREAM="${PELMORA_QT_VERSION%%+*}"

PELMORA_QT_OPTIONS=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=OFF
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    # Debian's source has no wintab headers.
    -DFEATURE_tabletevent=OFF
    # What the program and its tests do not use.
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    # Qt's own copies of the image, font and text libraries, linked in.
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
)

pelmora_qt_cache_root="${XDG_CACHE_HOME:-$HOME/.cache}/pelmora"
pelmora_qt_digest="$(printf '%s\n' "${PELMORA_QT_VERSION}" "${PELMORA_QT_OPTIONS[@]}" \
    "$(cat "$(dirname "${BASH_SOURCE[0]}")/../../cmake/toolchains/mingw-w64-x86_64.cmake")" \
    | sha256sum | cut -c1-10)"
PELMORA_QT_PREFIX="${pelmora_qt_cache_root}/qt-${PELMORA_QT_UPSTREAM}-win64-static-${pelmora_qt_digest}"
