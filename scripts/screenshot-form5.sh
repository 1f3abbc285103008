#!/usr/bin/env bash
# Takes a screenshot of the journal window under a real X server: Xvfb with openbox, a journal
# of made-up trades recorded with pelmora-journal, the real program, the window opened with F4, a
# price typed into the first holding's 现价 and its trades shown, captured with ImageMagick.
#
#   scripts/screenshot-form5.sh [--build-dir DIR]
#
# Writes docs/form5-journal.png at the window's first size, with the commission rates the main
# window starts with (0.3 % and 0.4 %) and the default costs.
# Needs: xvfb, openbox, xdotool, imagemagick; the program and pelmora-journal built.
set -euo pipefail

export needs_journal_program=true
# shellcheck source=lib/screenshot-session.sh source-path=SCRIPTDIR
source "$(dirname "$0")/lib/screenshot-session.sh" "$@"

private_folders

# A few months of a made-up trader's trades, each costed as the journal costs them.
record() { "$journal_program" "$@" >/dev/null; }
record opening 2025-11-03 600036 2000 62400
record add 2025-11-20 600036 买入 1000 31.85 --name 招商银行 --time 10:02:41
record add 2025-12-02 600036 卖出 800 33.40 --name 招商银行 --time 14:31:05
record add 2026-01-15 300750 买入 200 178.20 --name 宁德时代
record add 2026-03-10 300750 买入 100 165.50 --name 宁德时代
record add 2026-06-18 300750 卖出 100 192.30 --name 宁德时代
record add 2026-02-05 510300 买入 5000 3.912 --name 沪深300ETF
record add 2026-09-01 000651 买入 1000 38.76 --name 格力电器
record add 2026-10-20 000651 卖出 1000 41.05 --name 格力电器

open_journal_window
# The first holding's row is current as the window opens: across to 现价, a price, Enter.
xdotool windowactivate --sync "$journal"
xdotool key Tab Tab
for _ in 1 2 3 4 5 6 7 8; do xdotool key Right; done
xdotool type 188.60
xdotool key Return
sleep 1

mkdir -p "$root/docs"
import -window "$journal" "$root/docs/form5-journal.png"
echo "wrote docs/form5-journal.png"
