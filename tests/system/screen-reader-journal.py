#!/usr/bin/python3
"""What a screen reader gets from the journal window over AT-SPI: a journal recorded with
pelmora-journal beforehand, the window opened with its entry's press action, and a holding read
cell by cell from the holdings table (Grid1), each cell under its column's heading.

    screen-reader-journal.py PROGRAM

Run by screen-reader.sh, which provides the X server, the buses and empty configuration and data
folders; pelmora-journal is the one built beside PROGRAM. Prints one "ok:" or "FAILED:" line per
check and exits with 1 when one failed.
"""

import os
import subprocess

import pyatspi

import atspi_reader
from atspi_reader import (Program, check, descendants, describe, end_with_close_glyph,
                          find_application, find_main_window, init_bus, open_window, wait_for)

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


def record(program):
    journal_program = os.path.join(os.path.dirname(program), "..", "cli", "pelmora-journal")
    done = subprocess.run([journal_program, "add", "2024-03-05", "600000", "买入", "1000", "10",
                           "--name", "浦发银行"], capture_output=True, text=True)
    check("pelmora-journal records the holding", done.returncode == 0, done.stderr)


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
        end_with_close_glyph(main, program)


if __name__ == "__main__":
    atspi_reader.run_scenario(run)
