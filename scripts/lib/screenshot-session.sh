# shellcheck shell=bash
# Sourced by a screenshot script that takes only --build-dir, before anything else it does:
#
#   source "$(dirname "$0")/lib/screenshot-session.sh" "$@"
#
# Reads --build-dir (build/default unless given), sets root, build_dir, program (the calculator)
# and journal_program (the console program), checks that the calculator is built (and the console
# program where the script set needs_journal_program=true), and runs the calling script again
# inside a private X session; the rest of the script runs there.
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir="$root/build/default"
while [[ $# -gt 0 ]]; do
    case "$1" in
    --build-dir) build_dir=$(cd "$2" && pwd); shift 2 ;;
    *) echo "usage: $0 [--build-dir DIR]" >&2; exit 2 ;;
    esac
done
program="$build_dir/app/pelmora"
journal_program="$build_dir/cli/pelmora-journal"
needed=("$program")
[[ "${needs_journal_program:-false}" == true ]] && needed+=("$journal_program")
for built in "${needed[@]}"; do
    [[ -x "$built" ]] || { echo "no program at $built; build it first" >&2; exit 1; }
done

if [[ -z "${PELMORA_X_SESSION:-}" ]]; then
    PELMORA_X_SESSION=1 exec "$root/tests/system/with-x-server.sh" bash "$0" --build-dir "$build_dir"
fi

# Folders of the picture's own, so the user's settings and journal stay out of it: $work, removed
# with the program started in it ($pid) as the script ends.
private_folders() {
    work=$(mktemp -d)
    export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
    export PELMORA_JOURNAL="$work/journal.sqlite"
    trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
    pid=
}

# Starts the program ($pid) and opens its journal window with F4: $journal is its window id.
open_journal_window() {
    "$program" >/dev/null 2>&1 &
    pid=$!
    local main
    main=$(timeout 20 xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1)
    sleep 0.5
    xdotool windowactivate --sync "$main" key F4
    journal=$(timeout 20 xdotool search --sync --onlyvisible --name '^Pelmora 账本$' | head -n 1)
    sleep 0.5
}
