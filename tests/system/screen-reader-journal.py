#!/usr/bin/python3
"""What a screen reader gets from the journal window over AT-SPI: a journal recorded with
pelmora-journal beforehand, the window opened with its entry's press action, and a holding read
cell by cell from the holdings table (Grid1), each cell under its column's heading. Then a
broker's statement opened with 导入对账单: its sale read from the preview's table (Grid3), its
difference from the journal's own costs spoken with it, and the preview cancelled by Esc with
nothing written.

    screen-reader-journal.py PROGRAM

Run by screen-reader.sh, which provides the X server, the buses and empty configuration and data
folders; pelmora-journal is the one built beside PROGRAM. Prints one "ok:" or "FAILED:" line per
check and exits with 1 when one failed.
"""

import os
import subprocess
import tempfile

import pyatspi

import atspi_reader
from atspi_reader import (STEP_TIMEOUT, Program, check, children, descendants, describe,
                          end_with_close_glyph, find_application, find_main_window, find_one,
                          init_bus, open_window, press, shows, wait_for, xdotool)

JOURNAL_ENTRY = "账本"
JOURNAL_WINDOW = "Pelmora 账本"
HOLDINGS = "持仓"
# 1000 shares bought at 10.00 on 2024-03-05, at the rates of a first start: 0.3 % and a transfer
# fee of 0.001 %, 30.00 + 0.10 on top of 10000.
EXPECTED_ROW = {
    "代码": "600000",
    "名称": "浦发银行",
    "品种": "沪深主板",
    "持仓数量": "1000",
    "持仓成本": "10.030",
    "费用合计": "30.10",
}


IMPORT_BUTTON = "导入对账单"
PREVIEW_TABLE = "对账单预览"
# Half the holding sold, the broker charging 5 yuan and nothing else: the journal's own costs of
# it are more, so the statement's less theirs is below 0.
STATEMENT = ("成交日期\t证券代码\t证券名称\t操作\t成交数量\t成交均价\t成交金额\t佣金\t成交编号\n"
             "20240306\t600000\t浦发银行\t证券卖出\t500\t11.00\t5500.00\t5.00\t77\n")
EXPECTED_SALE = {"代码": "600000", "名称": "浦发银行", "买卖": "卖出", "数量": "500", "佣金": "5.00"}


def journal_program(program):
    return os.path.join(os.path.dirname(program), "..", "cli", "pelmora-journal")


def record(program):
    done = subprocess.run([journal_program(program), "add", "2024-03-05", "600000", "买入",
                           "1000", "10", "--name", "浦发银行"], capture_output=True, text=True)
    check("pelmora-journal records the holding", done.returncode == 0, done.stderr)


def trades_recorded(program):
    done = subprocess.run([journal_program(program), "trades"], capture_output=True, text=True)
    return len(done.stdout.splitlines()) - 1


def table_named(window, name):
    return next((acc for acc in descendants(window)
                 if acc.getRole() == pyatspi.ROLE_TABLE and acc.name == name), None)


def rows_of(grid):
    cells = grid.queryTable()
    headings = [cells.getColumnDescription(c) or cells.getColumnHeader(c).name
                for c in range(cells.nColumns)]
    return [{headings[c]: cells.getAccessibleAt(r, c).name for c in range(cells.nColumns)}
            for r in range(cells.nRows)]


def read_preview(app, main, window, program):
    """Opens the statement through 导入对账单 and its file dialog, reads the preview's sale, and
    cancels it."""
    button, why = find_one(window, IMPORT_BUTTON, "push button")
    if not check(f"the journal window has a button {IMPORT_BUTTON!r}", button, why):
        return
    folder = tempfile.mkdtemp()
    path = os.path.join(folder, "statement.txt")
    with open(path, "w", encoding="utf-8") as out:
        out.write(STATEMENT)
    press(button)
    dialog = wait_for(lambda: next((w for w in children(app)
                                    if w not in (main, window) and shows(w)), None), STEP_TIMEOUT)
    if not check("the press of it asks for the statement's file", dialog,
                 f"the program's windows: {[describe(w) for w in children(app)]}"):
        return
    xdotool("type", "--delay", "20", path)
    xdotool("key", "Return")

    def preview():
        return next((w for w in children(app) if shows(w) and table_named(w, PREVIEW_TABLE)),
                    None)
    shown = wait_for(preview, STEP_TIMEOUT)
    if not check(f"the statement opens a preview with a table {PREVIEW_TABLE!r}", shown,
                 f"the program's windows: {[describe(w) for w in children(app)]}"):
        return
    rows = rows_of(table_named(shown, PREVIEW_TABLE))
    sale = next((row for row in rows if row.get("买卖") == "卖出"), None)
    check("the preview reads the statement's sale", sale, f"its rows: {rows}")
    if sale:
        for heading, expected in EXPECTED_SALE.items():
            check(f"the sale's {heading!r} reads {expected!r}", sale.get(heading) == expected,
                  f"it reads {sale.get(heading)!r}; the row: {sale}")
        check("the sale's 差额 is spoken as the statement's less the journal's costs, below 0",
              (sale.get("差额") or "").startswith("-") or "少收" in (sale.get("差额") or ""),
              f"it reads {sale.get('差额')!r}")
    xdotool("key", "Escape")
    check("Esc closes the preview", wait_for(lambda: not shows(shown), STEP_TIMEOUT))
    check("the cancelled preview wrote nothing", trades_recorded(program) == 1,
          f"the journal holds {trades_recorded(program)} trades")


def holdings_table(window):
    def table():
        return next((acc for acc in descendants(window)
                     if acc.getRole() == pyatspi.ROLE_TABLE and acc.name == HOLDINGS), None)
    found = wait_for(table, 5)
    check(f"the journal window holds a table named {HOLDINGS!r}", found,
          f"its tables: {[describe(a) for a in descendants(window) if a.getRole() == pyatspi.ROLE_TABLE]}")
    return found


def read_row(grid):
    cells = grid.queryTable()
    headings = [cells.getColumnDescription(c) or cells.getColumnHeader(c).name
                for c in range(cells.nColumns)]
    check("the table has a row", cells.nRows >= 1, f"it has {cells.nRows}")
    if cells.nRows < 1:
        return
    row = {headings[c]: cells.getAccessibleAt(0, c).name for c in range(cells.nColumns)}
    for heading, expected in EXPECTED_ROW.items():
        check(f"the first holding's {heading!r} reads {expected!r}", row.get(heading) == expected,
              f"it reads {row.get(heading)!r}; the row: {row}")


def run(path):
    init_bus()
    record(path)
    with Program(path) as program:
        app = find_application(program.pid)
        main = find_main_window(app) if app else None
        if main is not None:
            window = open_window(app, main, JOURNAL_ENTRY, JOURNAL_WINDOW, "journal window")
            grid = holdings_table(window) if window is not None else None
            if grid is not None:
                read_row(grid)
            if window is not None:
                read_preview(app, main, window, path)
        end_with_close_glyph(main, program)


if __name__ == "__main__":
    atspi_reader.run_scenario(run)
