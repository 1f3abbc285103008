#!/usr/bin/env bash
# Installs what building, running and testing Pelmora needs on Debian 12, and nothing when it is
# all there already, so it is safe to run again. With --windows, also what builds and tests it for
# Windows.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ clang libclang-rt-14-dev clang-format clang-tidy
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev libbenchmark-dev
    # run: Qt's own texts in Chinese, the fonts the pictures and windows use, and the opener
    # for web addresses
    qt6-translations-l10n fonts-noto-cjk fonts-dejavu-core fontconfig xdg-utils
    # test: a real X server, a window manager, input and screenshots
    xvfb xauth openbox xdotool x11-utils imagemagick hyperfine
    # test: what a screen reader gets, on a private D-Bus session with the accessibility bus
    # and its registry, read through Debian's Python AT-SPI bindings
    dbus at-spi2-core python3-pyatspi
    # test: the Debian package is built (file, dpkg-shlibdeps) and its metadata validated
    file dpkg-dev desktop-file-utils appstream
)
if [ "${1:-}" = "--windows" ]; then
    packages+=(
        # the compilers for 64-bit Windows, POSIX threads for std::thread; GoogleTest's sources
        g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest
        # Qt's source package is fetched with apt-get source, unpacked by dpkg-source
        dpkg-dev
        # running and reading what was built: Wine, the clipboard, the portable zip, the installer
        wine wine64 xclip zip unzip nsis
        # the locales the widget tests run in, made for Wine with localedef
        locales
    )
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ "${#missing[@]}" -gt 0 ]; then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
    # A warm font cache keeps the CJK fonts from costing the first start half a second.
    fc-cache -f >/dev/null 2>&1 || true
fi
