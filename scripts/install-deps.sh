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
    # the journal's database, through its C API
    libsqlite3-dev
    # the statement reader's .xlsx: Qt's own zip reader, a private API of Qt Gui
    qt6-base-private-dev
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
        # Qt's and SQLite's source packages are fetched with apt-get source, unpacked by
        # dpkg-source; SQLite's configure, make and Tcl make its amalgamation
        dpkg-dev tcl make
        # running and reading what was built: Wine, the clipboard, the portable zip, the installer,
        # the journal the console program writes
        wine wine64 xclip zip unzip nsis sqlite3
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

# The lint's clang-tidy: 22 where the package sources offer it (Debian 12's security updates, on
# by default), for it leaves out the system headers and so runs three times as fast; else 14,
# which is in the list above. Whether they offer it is known once the lists are up to date.
tidy22=installed
if ! dpkg-query -W -f='${Status}' clang-tidy-22 2>/dev/null | grep -q 'install ok installed'; then
    tidy22=wanted
fi

if [ "${#missing[@]}" -gt 0 ] || [ "$tidy22" = wanted ]; then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update -qq
    if [ "$tidy22" = wanted ] && apt-cache show clang-tidy-22 >/dev/null 2>&1; then
        missing+=(clang-tidy-22)
    fi
fi

if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
    # A warm font cache keeps the CJK fonts from costing the first start half a second.
    fc-cache -f >/dev/null 2>&1 || true
fi
