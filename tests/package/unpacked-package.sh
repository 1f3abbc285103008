#!/usr/bin/env bash
# Builds the Debian package, checks what it installs and where, validates its desktop entry and
# metainfo, then unpacks it into a temporary root and starts the unpacked program under a real X
# server: its window must appear, carry the window class its desktop entry names, and a click on
# its close glyph must end it with status 0.
#   unpacked-package.sh BUILD_DIR SOURCE_DIR APP_ID
set -uo pipefail
build=$1
source=$2
app_id=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
passes=0
check() { # check DESCRIPTION COMMAND...
    local description=$1
    shift
    if "$@" >"$work/out" 2>&1; then
        echo "ok: $description"
        passes=$((passes + 1))
    else
        echo "FAILED: $description"
        sed 's/^/    /' "$work/out"
        failures=$((failures + 1))
    fi
}

(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null) || { echo "cpack failed"; exit 1; }
deb=$(ls "$work"/package/pelmora_*.deb)
dpkg-deb -x "$deb" "$work/root"

check "the package holds the program" test -x "$work/root/usr/bin/pelmora"
check "the package's console program runs without a display" \
    env -u DISPLAY -u WAYLAND_DISPLAY "$work/root/usr/bin/pelmora-journal" help
entry="$work/root/usr/share/applications/$app_id.desktop"
check "the desktop entry is named after the program's desktop file name $app_id" test -f "$entry"
for size in 48 256; do
    icon="$work/root/usr/share/icons/hicolor/${size}x${size}/apps/org.pelmora.Pelmora.png"
    check "the ${size}x${size} icon is in the hicolor theme" \
        bash -c "[ \"\$(identify -format %wx%h '$icon')\" == '${size}x${size}' ]"
done
check "desktop-file-validate passes" \
    desktop-file-validate "$entry"
check "appstreamcli validate passes" \
    appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.pelmora.Pelmora.metainfo.xml"
check "the dependencies name Qt, its translations, the CJK fonts and the URL opener" \
    bash -c "dpkg-deb -f '$deb' Depends | grep -q libqt6widgets6 &&
             dpkg-deb -f '$deb' Depends | grep -q qt6-translations-l10n &&
             dpkg-deb -f '$deb' Depends | grep -q fonts-noto-cjk &&
             dpkg-deb -f '$deb' Depends | grep -q xdg-utils"

run_unpacked() {
    "$work/root/usr/bin/pelmora" &
    local pid=$!
    local window=""
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name '^Form1$' 2>/dev/null | head -n 1)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "no window"; kill "$pid"; return 1; }
    # WM_CLASS = "instance", "class"; desktops match the class against StartupWMClass.
    local class wanted
    class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
    wanted=$(sed -n 's/^StartupWMClass=//p' "$entry")
    if [ "$class" != "$wanted" ]; then
        echo "the window's class is '$class', the desktop entry's StartupWMClass '$wanted'"
        kill "$pid"
        return 1
    fi
    sleep 0.3
    xdotool mousemove --window "$window" 492 20 click 1
    for _ in $(seq 50); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            return $?
        fi
        sleep 0.1
    done
    echo "still running after a click on the close glyph"
    kill "$pid"
    return 1
}
export -f run_unpacked
export work entry
check "the unpacked program opens its window of the entry's class, and its glyph ends it" \
    "$source/tests/system/with-x-server.sh" bash -c run_unpacked

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
