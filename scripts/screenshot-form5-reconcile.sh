#!/usr/bin/env bash
# Takes a screenshot of a broker statement's preview on its 对账 page, under a real X server:
# Xvfb with openbox, a made-up statement written here, the real program, the journal opened with
# F4, the statement chosen in the file dialog that Ctrl+I opens, and the page shown with Alt+R,
# captured with ImageMagick.
#
#   scripts/screenshot-form5-reconcile.sh [--build-dir DIR]
#
# Writes docs/form5-reconcile.png. The journal's commission is the main window's starting one
# (0.3 % and 0.4 %, at least 5 yuan); the statement's broker charged 0.025 %, so each order's
# commission is marked 少收.
# Needs: xvfb, openbox, xdotool, imagemagick; the program built.
set -euo pipefail

# shellcheck source=lib/screenshot-session.sh source-path=SCRIPTDIR
source "$(dirname "$0")/lib/screenshot-session.sh" "$@"

private_folders

# A made-up trader's statement, tab-separated UTF-8 as a trading client exports it.
statement="$work/statement.txt"
{
    printf '成交日期\t证券代码\t证券名称\t操作\t成交数量\t成交价格\t成交金额\t佣金\t印花税\t过户费\t发生金额\t合同编号\t成交编号\n'
    printf '20250303\t600036\t招商银行\t证券买入\t2000\t31.20\t62400.00\t15.60\t0.00\t0.62\t-62416.22\tC1\tD1\n'
    printf '20250304\t600036\t招商银行\t红利入账\t\t\t\t\t\t\t1940.00\t\t\n'
    printf '20250310\t300750\t宁德时代\t证券买入\t200\t178.20\t35640.00\t8.91\t0.00\t0.36\t-35649.27\tC2\tD2\n'
    printf '20250312\t600036\t招商银行\t证券卖出\t800\t33.40\t26720.00\t6.68\t13.36\t0.27\t26699.69\tC3\tD3\n'
    printf '20250318\t000651\t格力电器\t证券卖出\t1000\t41.05\t41050.00\t10.26\t20.53\t0.41\t41018.80\tC4\tD4\n'
    printf '20250320\t510300\t沪深300ETF\t证券买入\t5000\t3.912\t19560.00\t5.00\t0.00\t0.00\t-19565.00\tC5\tD5\n'
    printf '20250321\t\t\t银行转存\t\t\t\t\t\t\t50000.00\t\t\n'
} >"$statement"

open_journal_window
xdotool windowactivate --sync "$journal" key ctrl+i
chooser=$(timeout 20 xdotool search --sync --onlyvisible --name '^导入对账单$' | head -n 1)
sleep 0.5
# The file dialog's name box has the keyboard as it opens.
xdotool windowactivate --sync "$chooser"
xdotool type --delay 20 "$statement"
xdotool key Return
sleep 1
preview=$(xdotool getactivewindow)
xdotool key alt+r
sleep 1

mkdir -p "$root/docs"
import -window "$preview" "$root/docs/form5-reconcile.png"
echo "wrote docs/form5-reconcile.png"
