#!/usr/bin/env bash
# Pelmora's Windows setup program under Wine, in a Wine of its own and a private X session: a
# silent install puts the program, the console program, its Start-menu shortcut and its entry in
# the list of programs in place and appends the program's folder to the user's PATH, where a new
# console finds the console program; the installed program opens its window Form1 and ends with
# status 0 when closed; installing again adds nothing to PATH; the silent uninstaller takes all
# of that away again, gives PATH back as it was, and leaves the user's settings and a file of
# the user's in the program's folder alone. Then, each with one install and uninstall: no PATH
# of the user's, one that names the folder already, and one too long for the installer to read
# whole, which it must leave alone.
#   installer-under-wine.sh SETUP_EXE
# Exits 0 when every check held, 1 otherwise (each failed check is printed), 77 when a tool is
# missing.
set -uo pipefail

[ $# -eq 1 ] || { echo "usage: $0 SETUP_EXE" >&2; exit 2; }
[ -f "$1" ] || { echo "no setup program at '$1'" >&2; exit 2; }
setup=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
for tool in wine wineserver winepath xdotool python3 sha256sum iconv; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 77; }
done

# The whole test runs inside the private X session, so every Wine process talks to it.
if [ -z "${PELMORA_INSTALLER_TEST_IN_X:-}" ]; then
    PELMORA_INSTALLER_TEST_IN_X=1 exec "$root/tests/system/with-x-server.sh" bash "$0" "$setup"
fi

. "$root/tests/system/checks.sh"
# Always a fresh prefix, never one a caller shares: the checks read the prefix's whole state.
unset WINEPREFIX PELMORA_WINE_READY
. "$root/scripts/windows/wine-env.sh"
trap pelmora_wine_done EXIT
SECONDS=0

stop() { # stop REASON: a failure after which the remaining checks cannot run
    echo "FAILED: $1"
    failures=$((failures + 1))
    finish_checks
    exit 1
}

# What is installed, in one line: the programs, the uninstaller, the shortcuts that start the
# program and the name in the list of programs.
installed_state() {
    echo "program=$([ -s "$install_dir/pelmora.exe" ] && echo yes || echo no)" \
        "journal=$([ -s "$install_dir/pelmora-journal.exe" ] && echo yes || echo no)" \
        "uninstaller=$([ -s "$install_dir/uninstall.exe" ] && echo yes || echo no)" \
        "shortcuts=$(shortcuts_to "$program_win" | wc -l)" \
        "listed_as=$(registry_value DisplayName)"
}
everything_installed="program=yes journal=yes uninstaller=yes shortcuts=1 listed_as=Pelmora"

settings_state() { # the settings file's checksum, or "missing"
    if [ -f "$settings" ]; then sha256sum <"$settings"; else echo missing; fi
}

windows_variable() { wine cmd /c "echo %$1%" | tr -d '\r'; }

registry_value() { # registry_value NAME: one value of Pelmora's uninstall entry, empty if absent
    wine reg query "$uninstall_key" /v "$1" 2>/dev/null | tr -d '\r' |
        sed -n "s/^    $1    REG_[A-Z_]*    //p"
}

# The user's PATH as its type, a tab and its value, or "absent"; read and written through the
# files of Wine's reg, which keep every character and the type.
environment_key='HKEY_CURRENT_USER\Environment'
user_path() {
    rm -f "$work/environment.reg"
    wine reg export "$environment_key" "$work_win\\environment.reg" /y >/dev/null 2>&1
    python3 "$here/registry-value.py" get "$work/environment.reg" Path
}
set_user_path() { # set_user_path TYPE [VALUE]: TYPE REG_SZ, REG_EXPAND_SZ or absent
    python3 "$here/registry-value.py" set "$work/set-path.reg" "$environment_key" Path "$@"
    wine reg import "$work_win\\set-path.reg" >/dev/null 2>&1
}

# Every shortcut in the Start menu's programs that starts the given program, one per line.
shortcuts_to() {
    local shortcut
    while IFS= read -r -d '' shortcut; do
        if python3 "$here/shortcut-fields.py" "$shortcut" | grep -xF "target	$1" >/dev/null; then
            echo "$shortcut"
        fi
    done < <(find "$start_menu" -name '*.lnk' -print0 2>/dev/null)
}

appdata_win=$(windows_variable APPDATA)
install_dir_win="$(windows_variable LOCALAPPDATA)\\Programs\\Pelmora"
program_win="$install_dir_win\\pelmora.exe"
install_dir=$(winepath -u "$install_dir_win")
settings=$(winepath -u "$appdata_win\\Pelmora\\Pelmora.ini")
start_menu=$(winepath -u "$appdata_win\\Microsoft\\Windows\\Start Menu\\Programs")
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pelmora'
# Pelmora-<version>-win64-setup.exe names the version the list of programs must show.
version=$(basename "$setup" | sed -n 's/^Pelmora-\(.*\)-win64-setup\.exe$/\1/p')
work=$(mktemp -d)
work_win="Z:${work//\//\\}"
trap 'pelmora_wine_done; rm -rf "$work"' EXIT

# The user's own PATH, with an entry that only an expandable string keeps working and one
# outside ASCII.
user_path_before='%USERPROFILE%\bin;D:\工具'
set_user_path REG_EXPAND_SZ "$user_path_before"

# The user's settings from an earlier version, which no uninstaller may touch.
mkdir -p "$(dirname "$settings")"
printf '[General]\r\nplanted_by_the_installer_test=true\r\n' >"$settings"

echo "installing $setup"
timeout 120 wine "$setup" /S
check "the silent install ends with status 0" 0 "$?"
check "the program, its uninstaller, shortcut and entry are in place" "$everything_installed" \
    "$(installed_state)"
[ -s "$install_dir/pelmora.exe" ] || stop "no program at $install_dir/pelmora.exe"

mapfile -t shortcuts < <(shortcuts_to "$program_win")
if [ "${#shortcuts[@]}" -eq 1 ]; then
    fields=$(python3 "$here/shortcut-fields.py" "${shortcuts[0]}")
    check "the shortcut shows the program's own icon" "icon	$program_win,0" "$(grep '^icon	' <<<"$fields")"
    check "the shortcut starts the program in its folder" "workdir	$install_dir_win" "$(grep '^workdir	' <<<"$fields")"
fi

check "the list of programs names its publisher" Pelmora "$(registry_value Publisher)"
check "the list of programs shows its icon" "$program_win,0" "$(registry_value DisplayIcon)"
if [ -n "$version" ]; then
    check "the list of programs shows its version" "$version" "$(registry_value DisplayVersion)"
fi
uninstaller_win=$(registry_value UninstallString)
check "the list of programs removes it with its uninstaller" "\"$install_dir_win\\uninstall.exe\"" "$uninstaller_win"
path_installed="REG_EXPAND_SZ	$user_path_before;$install_dir_win"
check "the program's folder is appended to the user's PATH" "$path_installed" "$(user_path)"
# A console started now takes PATH from the registry and finds the console program by its name;
# without a command it ends with its usage error.
wine cmd /c pelmora-journal.exe >/dev/null 2>"$work/usage.txt"
check "a new console finds pelmora-journal through PATH" "1 yes" \
    "$? $(grep -q pelmora-journal "$work/usage.txt" && echo yes || echo no)"
echo "installed and checked in $SECONDS s"

# The installed program starts, shows Form1 and ends with status 0 when its window is closed.
# It is started itself rather than through the shortcut: Wine's start does not wait for the
# program behind a shortcut, so its status would be lost.
wine "$program_win" &
program=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1)
[ -n "$window" ] || stop "the installed program showed no window Form1 in 60 s"
check "the installed program shows its window Form1" yes yes

# The running program's file is locked: installing over it or uninstalling it fails and says so
# in its status, and leaves the installation as it was.
timeout 120 wine "$setup" /S
check "installing over the running program fails" 2 "$?"
timeout 60 wine "$install_dir_win\\uninstall.exe" /S "_?=$install_dir_win"
check "uninstalling the running program fails" 2 "$?"
check "after both the installation is still whole" "$everything_installed" "$(installed_state)"

# Alt+F4 is the window manager's close, which every window takes, framed or not.
xdotool windowactivate --sync "$window" key alt+F4
for _ in $(seq 300); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$program" 2>/dev/null && stop "the program did not end within 30 s of Alt+F4"
wait "$program"
check "the program ends with status 0 when its window is closed" 0 "$?"
echo "started and ended in $SECONDS s"

timeout 120 wine "$setup" /S
check "installing again ends with status 0" 0 "$?"
check "installing again leaves the installation whole" "$everything_installed" "$(installed_state)"
check "installing again leaves PATH with one entry for the folder" "$path_installed" "$(user_path)"

settings_before=$(settings_state)
printf 'a file of the user\r\n' >"$install_dir/notes.txt"

# The uninstaller copies itself to a temporary folder, starts the copy and returns at once; the
# copy has done its work when no Wine process is left.
timeout 60 wine "$install_dir_win\\uninstall.exe" /S
check "the silent uninstaller starts with status 0" 0 "$?"
timeout 120 wineserver --wait
check "the uninstaller ends within 120 s" 0 "$?"

check "the program, its uninstaller, shortcut and entry are gone" \
    "program=no journal=no uninstaller=no shortcuts=0 listed_as=" "$(installed_state)"
check "the program's folder keeps only the user's file" notes.txt "$(ls -A "$install_dir" 2>&1)"
check "the list of programs no longer has its key" absent \
    "$(wine reg query "$uninstall_key" >/dev/null 2>&1 && echo present || echo absent)"
check "the user's settings are kept unchanged" "$settings_before" "$(settings_state)"
check "the user's PATH is as it was before the install" "REG_EXPAND_SZ	$user_path_before" \
    "$(user_path)"
echo "uninstalled and checked in $SECONDS s"

# With PATH set so, a silent install leaves it as expected and the uninstall as it was.
long_path="C:\\$(printf 'x%.0s' $(seq 1100))"
while IFS='|' read -r -u 3 description type value expected; do
    set_user_path "$type" "$value"
    before=$(user_path)
    timeout 120 wine "$setup" /S
    check "$description: the install ends with status 0" 0 "$?"
    check "$description: PATH after the install" "$expected" "$(user_path)"
    timeout 60 wine "$install_dir_win\\uninstall.exe" /S && timeout 120 wineserver --wait
    check "$description: the uninstall ends with status 0" 0 "$?"
    check "$description: PATH after the uninstall" "$before" "$(user_path)"
done 3<<CASES
with no PATH of the user's|absent||REG_EXPAND_SZ	$install_dir_win
with the folder on PATH already|REG_SZ|C:\\a;${install_dir_win,,}\\|REG_SZ	C:\\a;${install_dir_win,,}\\
with a PATH too long to read whole|REG_EXPAND_SZ|$long_path|REG_EXPAND_SZ	$long_path
CASES
echo "PATH cases checked in $SECONDS s"

finish_checks
