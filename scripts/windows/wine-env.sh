# Sourced by the Windows scripts: a Wine of its own for this run, in a temporary folder, that never
# reaches for the network and never writes into the host's menus.
#   WINEDLLOVERRIDES  no Mono (mscoree) and no Gecko (mshtml), so the first start does not try to
#                     download them; no winemenubuilder, so nothing lands in the host's menus
#   WINEDEBUG         Wine's own chatter off; the programs' output stays
if [ -z "${PELMORA_WINE_READY:-}" ]; then
    if [ -z "${WINEPREFIX:-}" ]; then
        WINEPREFIX="$(mktemp -d "${TMPDIR:-/tmp}/pelmora-wine-XXXXXX")"
        pelmora_wine_made_prefix=1
    fi
    export WINEPREFIX
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    export WINEDEBUG="${WINEDEBUG:--all}"
    export WINEARCH=win64
    # Making the prefix takes seconds; the harmless "syswow64\rundll32.exe" line of a Wine without
    # its 32-bit half is left out of the log.
    wineboot --init 2>&1 | grep -v 'syswow64' || true
    wineserver --wait
    export PELMORA_WINE_READY=1
fi

# Ends this run's Wine and removes its prefix, unless the prefix was the caller's own.
pelmora_wine_done() {
    wineserver --kill 2>/dev/null || true
    if [ -n "${pelmora_wine_made_prefix:-}" ]; then
        rm -rf "$WINEPREFIX"
    fi
}
