#!/usr/bin/env bash
# The console program pelmora-journal.exe under Wine, in a Wine of its own, once in each of two
# Windows locales: English (code page 1252, where no Chinese character has an ANSI form) and
# Chinese (code page 936). Trades and an opening holding go into a journal in a folder with a
# Chinese name; the holdings and the trades come back as UTF-8, tab-separated, with LF line ends
# and the Chinese arguments intact; an export imported into a new journal gives the same trades;
# the journal is a SQLite file in WAL mode that passes SQLite's check. A usage error ends with
# status 1 and a usage line on standard error, a refused value with status 1 and its reason, a
# journal name taken by a folder with status 2.
# Without --journal and PELMORA_JOURNAL the journal is %LOCALAPPDATA%\Pelmora\journal.sqlite,
# and PELMORA_JOURNAL names another.
#   journal-under-wine.sh PELMORA_JOURNAL_EXE
# Exits 0 when every check held, 1 otherwise (each failed check is printed), 77 when a tool is
# missing.
set -uo pipefail

[ $# -eq 1 ] || { echo "usage: $0 PELMORA_JOURNAL_EXE" >&2; exit 2; }
[ -f "$1" ] || { echo "no program at '$1'" >&2; exit 2; }
program=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
for tool in wine wineserver winepath sqlite3 iconv localedef; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 77; }
done

. "$root/tests/system/checks.sh"
# A fresh prefix, never one a caller shares: the checks look into the user's data folder.
unset WINEPREFIX PELMORA_WINE_READY PELMORA_JOURNAL
. "$root/scripts/windows/wine-env.sh"
work=$(mktemp -d)
trap 'pelmora_wine_done; rm -rf "$work"' EXIT
windows_name() { local name="Z:${1//\//\\}"; echo "$name"; }
SECONDS=0

# Wine takes the Windows locale, and with it the ANSI code page, from the host's locale.
mkdir -p "$work/locales"
for locale in en_US zh_CN; do
    localedef -i "$locale" -f UTF-8 "$work/locales/$locale.UTF-8" ||
        { echo "localedef could not make $locale.UTF-8" >&2; exit 77; }
done
export LOCPATH="$work/locales"
unset LANGUAGE LC_ALL

# journal ARGS...: runs the program; its output is in $work/out, its errors in $work/err, its
# status in $status. Now and then Wine's loader fails as a process ends and loses its status
# (scripts/windows/wine-test.sh): a command that records nothing then runs once more.
journal() {
    local attempt
    for attempt in 1 2; do
        wine "$program" "$@" >"$work/out" 2>"$work/err" </dev/null
        status=$?
        grep -q 'Inconsistency detected by ld.so' "$work/err" || return 0
        [[ " $* " =~ \ (add|opening|import)\  ]] && return 0
        echo "(attempt $attempt: Wine's loader failed as the program ended; running it again)"
    done
}
yes_no() { if "$@"; then echo yes; else echo no; fi; }

# The output of the last run is UTF-8 text of LF-ended lines, none of them with a CR.
check_text() { # check_text WHAT
    local trouble=""
    iconv -f UTF-8 -t UTF-8 "$work/out" >/dev/null 2>&1 || trouble+=" not-UTF-8"
    grep -q $'\r' "$work/out" && trouble+=" CR"
    [[ ! -s "$work/out" || $(tail -c 1 "$work/out" | od -An -c | tr -d ' ') == '\n' ]] ||
        trouble+=" no-final-LF"
    check "$1: UTF-8 with LF line ends" "" "$trouble"
}

# The value of the column headed HEADING in the row whose column 代码 is CODE (the first such
# row) of the last run's table; "missing" where there is none.
cell() { # cell CODE HEADING
    awk -F'\t' -v code="$1" -v heading="$2" '
        NR == 1 {
            for (i = 1; i <= NF; i++) { if ($i == heading) want = i; if ($i == "代码") key = i }
            next
        }
        want && key && $key == code { print $want; found = 1; exit }
        END { if (!found) print "missing" }' "$work/out"
}

# Every row of the last run's table has as many columns as its heading line.
check_columns() { # check_columns WHAT HEADINGS
    check "$1: its heading line" "$2" "$(head -n 1 "$work/out")"
    check "$1: every row has the heading's columns" "" \
        "$(awk -F'\t' 'NR == 1 {n = NF} NF != n {print NR ": " NF}' "$work/out")"
}

holdings_headings=$'代码\t名称\t品种\t持仓数量\t持仓成本\t摊薄成本\t已实现盈亏\t费用合计'
trades_headings=$'日期\t时间\t代码\t名称\t品种\t买卖\t数量\t价格\t金额\t佣金\t印花税\t过户费\t规费\t费用合计\t来源'

for locale in en_US zh_CN; do
    export LANG="$locale.UTF-8"
    folder="$work/$locale/交易"
    mkdir -p "$folder"
    file="$folder/日记.sqlite"
    file_win=$(windows_name "$file")

    journal --journal "$file_win" add 2024-03-05 600519 买入 100 1700.5
    check "$locale: add ends with status 0" 0 "$status"
    check_text "$locale: add"
    journal --journal "$file_win" add 2024-03-06 000001 买入 200 10.5 --time 09:31:00 \
        --name 平安银行
    check "$locale: add with a time and a Chinese name ends with status 0" 0 "$status"
    journal --journal "$file_win" opening 2024-01-02 601318 1000 45000
    check "$locale: opening ends with status 0" 0 "$status"
    check_text "$locale: opening"

    journal --journal "$file_win" holdings
    check "$locale: holdings ends with status 0" 0 "$status"
    check_text "$locale: holdings"
    check_columns "$locale: holdings" "$holdings_headings"
    check "$locale: holdings: the shares of each code" "100 200 1000" \
        "$(cell 600519 持仓数量) $(cell 000001 持仓数量) $(cell 601318 持仓数量)"
    check "$locale: holdings: the Chinese name as it was given" 平安银行 "$(cell 000001 名称)"

    journal --journal "$file_win" trades
    check "$locale: trades ends with status 0" 0 "$status"
    check_text "$locale: trades"
    check_columns "$locale: trades" "$trades_headings"
    # Figures as numbers: how many decimals a table writes is not this test's business.
    figures=$(awk -v price="$(cell 600519 价格)" -v amount="$(cell 600519 金额)" \
        'BEGIN {print price + 0, amount + 0}')
    check "$locale: trades: the purchase as it was given" "2024-03-05 买入 100 1700.5 170050" \
        "$(cell 600519 日期) $(cell 600519 买卖) $(cell 600519 数量) $figures"
    check "$locale: trades: the time and the Chinese name" "09:31:00 平安银行" \
        "$(cell 000001 时间) $(cell 000001 名称)"
    check "$locale: trades: the opening holding" "期初 1000" "$(cell 601318 买卖) $(cell 601318 数量)"
    cp "$work/out" "$work/trades-$locale.tsv"
    journal --journal "$file_win" trades 600519
    check "$locale: trades of one code" "600519" "$(awk -F'\t' 'NR > 1 {print $3}' "$work/out" | sort -u)"

    exported="$folder/导出.csv"
    journal --journal "$file_win" export "$(windows_name "$exported")"
    check "$locale: export ends with status 0" 0 "$status"
    check "$locale: export writes the file" yes "$(yes_no test -s "$exported")"
    copy_win=$(windows_name "$folder/副本.sqlite")
    journal --journal "$copy_win" import "$(windows_name "$exported")"
    check "$locale: import into a new journal ends with status 0" 0 "$status"
    journal --journal "$copy_win" trades
    check "$locale: the imported journal has the same trades" "$(cat "$work/trades-$locale.tsv")" \
        "$(cat "$work/out")"

    # The journal is SQLite's own file format, in WAL mode (bytes 18 and 19 of the header are 2),
    # and passes SQLite's check.
    check "$locale: the journal is a SQLite database" "SQLite format 3" "$(head -c 15 "$file")"
    check "$locale: the journal is in WAL mode" "2 2" "$(od -An -tu1 -j18 -N2 "$file" | xargs)"
    check "$locale: the journal passes SQLite's check" "wal ok" \
        "$(sqlite3 "$file" 'PRAGMA journal_mode;' 'PRAGMA integrity_check;' | xargs)"

    # A broker's statement as the clients write it, GB18030 text under an .xls name with Excel's
    # text cells: its trade and dividend come in once, names intact, and again add nothing.
    statement="$folder/交割单.xls"
    printf '%s\r\n' '历史成交' \
        $'成交日期\t证券代码\t证券名称\t操作\t成交数量\t成交均价\t成交金额\t发生金额\t佣金\t成交编号\t' \
        $'="20240307"\t="000858"\t五粮液\t证券买入\t100\t150.00\t15000.00\t-15005.00\t5.00\t="88"\t' \
        $'="20240620"\t="000858"\t五粮液\t红利入帐\t100\t0\t0\t300.00\t0\t\t' |
        iconv -f UTF-8 -t GB18030 >"$statement"
    statement_journal=$(windows_name "$folder/对账.sqlite")
    journal --journal "$statement_journal" import "$(windows_name "$statement")"
    check "$locale: a GB18030 statement imports with status 0" 0 "$status"
    check "$locale: the statement's encoding is named" yes "$(yes_no grep -q GB18030 "$work/err")"
    journal --journal "$statement_journal" trades
    check "$locale: the statement's purchase and dividend, named in Chinese" \
        "五粮液 买入 对账单|五粮液 红利 对账单" \
        "$(awk -F'\t' 'NR > 1 {printf "%s%s %s %s", sep, $4, $6, $15; sep = "|"}' "$work/out")"
    journal --journal "$statement_journal" import "$(windows_name "$statement")"
    check "$locale: the statement again adds nothing" "0 yes" \
        "$status $(yes_no grep -q 已导入 "$work/err")"
    journal --journal "$statement_journal" trades
    check "$locale: still two entries" 3 "$(wc -l <"$work/out")"
done
echo "journals checked in $SECONDS s"

# Refused command lines: status 1, a reason on standard error (for a usage error also the
# usage line, which names the program), nothing on standard output, no journal made.
refused_win=$(windows_name "$work/refused.sqlite")
while IFS='|' read -r -u 3 description usage arguments; do
    read -r -a words <<<"$arguments"
    journal "${words[@]}"
    got="$status $(yes_no test -s "$work/err") $(yes_no grep -q pelmora-journal "$work/err")"
    got+=" $(stat -c %s "$work/out") $(yes_no test -e "$work/refused.sqlite")"
    check "$description: status 1, a reason, usage line: $usage, no output, no journal" \
        "1 yes $usage 0 no" "$got"
done 3<<CASES
no command|yes|--journal $refused_win
an unknown command|yes|--journal $refused_win frobnicate
add without its price|yes|--journal $refused_win add 2024-03-05 600519 买入 100
--journal without its file|yes|--journal
an action that is neither 买入 nor 卖出|no|--journal $refused_win add 2024-03-05 600519 持有 100 1700.5
a date that is no date|no|--journal $refused_win add 2024-02-30 600519 买入 100 1700.5
CASES

# A journal name taken by a folder: status 2, and the folder left as it was.
mkdir "$work/a-folder"
journal --journal "$(windows_name "$work/a-folder")" holdings
check "a journal that is a folder: status 2" 2 "$status"
check "a journal that is a folder: the folder is left empty" "" "$(ls -A "$work/a-folder")"

# Where the journal is without --journal: PELMORA_JOURNAL, else the user's local data folder.
local_app_data=$(winepath -u "$(wine cmd /c 'echo %LOCALAPPDATA%' | tr -d '\r')")
default_file="$local_app_data/Pelmora/journal.sqlite"
check "no journal in the user's data folder at first" no "$(yes_no test -e "$default_file")"
PELMORA_JOURNAL=$(windows_name "$work/from-environment.sqlite") \
    journal add 2024-03-05 600519 买入 100 1700.5
check "PELMORA_JOURNAL names the journal" "0 yes no" \
    "$status $(yes_no test -s "$work/from-environment.sqlite") $(yes_no test -e "$default_file")"
journal add 2024-03-05 600519 买入 100 1700.5
check "without either the journal is %LOCALAPPDATA%\\Pelmora\\journal.sqlite" "0 SQLite format 3" \
    "$status $(head -c 15 "$default_file" 2>&1)"

finish_checks
