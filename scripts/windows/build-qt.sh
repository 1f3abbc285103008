#!/usr/bin/env bash
# Builds Qt's base module for 64-bit Windows, static, from Debian's own source package of the Qt
# installed here, and keeps it in a cache outside the checkout. The build runs in a temporary
# folder and is renamed into place only when it completes, so an interrupted build is never taken
# for a cached one. Prints the cached prefix on its last line.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/qt-options.sh"
source "$here/deb-src.sh"

if [ -f "$PELMORA_QT_PREFIX/bin/qt-cmake" ]; then
    echo "$PELMORA_QT_PREFIX"
    exit 0
fi
if [ -z "$PELMORA_QT_VERSION" ]; then
    echo "qt6-base-dev is not installed: run scripts/install-deps.sh first" >&2
    exit 1
fi

pelmora_ensure_deb_src

mkdir -p "$pelmora_qt_cache_root"
work="$(mktemp -d "$pelmora_qt_cache_root/.building-XXXXXX")"
trap 'rm -rf "$work"' EXIT
log="$pelmora_qt_cache_root/qt-${PELMORA_QT_UPSTREAM}-win64-static.log"
echo "Building Qt ${PELMORA_QT_VERSION} for Windows (about 25 minutes on two cores); log: $log" >&2

{
    cd "$work"
    # The exact version installed here, so the Windows Qt matches the host tools it is built with.
    apt-get source --only-source "qt6-base=${PELMORA_QT_VERSION}"
    source_dir="$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)"
    # Qt's own toolchain file names the one it was built with, so that one is kept beside the
    # cache rather than in a checkout that may move.
    toolchain="$pelmora_qt_cache_root/toolchains/mingw-w64-x86_64-${pelmora_qt_digest}.cmake"
    mkdir -p "$(dirname "$toolchain")"
    cp "$here/../../cmake/toolchains/mingw-w64-x86_64.cmake" "$toolchain"
    launcher=()
    if command -v ccache >/dev/null; then
        launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    cmake -S "$source_dir" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" "${launcher[@]}" \
        -DCMAKE_INSTALL_PREFIX="$work/install" \
        "${PELMORA_QT_OPTIONS[@]}"
    cmake --build "$work/build"
    cmake --install "$work/build"
} >"$log" 2>&1 || {
    echo "The Windows Qt did not build; the end of $log:" >&2
    tail -n 30 "$log" >&2
    exit 1
}

# Qt's installed files name the prefix they were installed to; the rename keeps the folder's
# contents valid because qt-cmake and the CMake packages find it relative to themselves.
mv "$work/install" "$PELMORA_QT_PREFIX"
echo "$PELMORA_QT_PREFIX"
