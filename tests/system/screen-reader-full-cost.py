#!/usr/bin/python3
"""The full-cost mode as a screen reader's user meets it, over three starts of the program that
share one configuration folder:

1. The gear's press action opens the settings window; the keyboard (the focus, then Space)
   switches the full-cost mode on; the marker shows in the main window and its description lists
   the costs; the settings window's close glyph hides it. Then the worked example by keyboard,
   every figure read back with all costs counted, and 0.25 typed as the buy rate and left with
   Tab, which remembers it.
2. Started again, the mode is on: the marker shows, the buy rate is the 0.25 left behind, and
   the settings window shows the mode checked. Space switches it off and the marker hides.
3. Started a third time, the mode is off: the rates are the first start's and the marker hidden.

Each start ends with the main window's close glyph pressed over AT-SPI, which must end the
program with status 0; the second ends it with the settings window still shown.

    screen-reader-full-cost.py PROGRAM

Run by screen-reader.sh (screen-reader.sh screen-reader-full-cost.py PROGRAM), which provides the
X server, the session and accessibility buses and an empty configuration folder
(XDG_CONFIG_HOME). Prints one "ok:" or "FAILED:" line per check and exits with 1 when one failed.

Needs Debian's /usr/bin/python3: python3-pyatspi installs for that interpreter only.
"""
import os
import re

import pyatspi

import atspi_reader
from atspi_reader import (BUY_FEE_RATE, ESTIMATE_BUTTON, ESTIMATE_PRICE, FIRST_BOX, GEAR,
                          SELL_FEE_RATE, STEP_TIMEOUT, UNUSED_ROWS, Abandoned, Program, check,
                          describe, end_with_close_glyph, find_application, find_main_window,
                          find_one, focused_name, hide_with_glyph, init_bus, labels_of,
                          listen_for_figures, make_active, note, open_window, shows, state_names,
                          text_of, travel, type_into, wait_for, wait_for_focus_on,
                          worked_example_read_back, xdotool)

SETTINGS_WINDOW = "Pelmora 费用设置"
FULL_COST = "完整费用"
MARKER = "全部费用"
PRODUCT = "品种"
FIRST_RATES = {BUY_FEE_RATE: "0.3", SELL_FEE_RATE: "0.4"}
LEFT_BUY_RATE = "0.25"

# The worked example at the first start's rates, 0.3 and 0.4, with every cost counted: each cost
# is rounded to the fen, the commission raised to its minimum of 5, stamp duty 0.05 % on the
# sale, transfer fee 0.001 % both ways.
EXPECTED_FIGURES = [
    ("第1行 买进资金", "5328"),
    ("第1行 手续费用", "16.03"),
    *UNUSED_ROWS,
    ("股票总数", "600"),
    ("平均价格", "8.88"),
    ("总手续费", "16.03"),
    ("总投入资金", "5328"),
    ("卖出 手续费用", "51.08"),
    ("卖出资金", "11328"),
    ("卖出利润", "6000"),
    ("实际利润", "5932.89"),
    ("实际保本价格", "8.94706794309"),
    (ESTIMATE_PRICE, "23.8275120794784"),
]

# The settings window's controls, in tab order, as a screen reader reads them until the user
# changes them: (role, name, reading). Only the mode differs between the starts.
# The fourth is the description, the hint the picture draws beside the control.
SETTINGS = [
    (pyatspi.ROLE_CHECK_BOX, FULL_COST, None, "计入印花税、过户费等"),
    (pyatspi.ROLE_TEXT, "最低佣金 元", "5", ""),
    (pyatspi.ROLE_TEXT, "印花税 %", "0.05", "卖出"),
    (pyatspi.ROLE_TEXT, "过户费 %", "0.001", ""),
    (pyatspi.ROLE_CHECK_BOX, "佣金不含规费", "not checked", "另收 0.00541%"),
    (pyatspi.ROLE_COMBO_BOX, PRODUCT, "股票, one of 股票/基金", ""),
]

ROLE_WORDS = {pyatspi.ROLE_CHECK_BOX: "check box", pyatspi.ROLE_TEXT: "text box",
              pyatspi.ROLE_COMBO_BOX: "combo box"}

# What the marker's description must list, a line each: the costs the settings window shows.
MARKER_LISTS = [("最低佣金", "5"), ("印花税", "0.05"), ("过户费", "0.001")]


def ticked(acc):
    return "checked" if "checked" in state_names(acc) else "not checked"


def find_control(window, role, name):
    """The control of that role that a screen reader calls name: named so, or labelled by an
    object so named (on Linux Qt names a combo box after its current choice and leaves its
    label to the labelled-by relation). Returns it, or None and what the window has instead."""
    of_role = [acc for acc in atspi_reader.descendants(window) if acc.getRole() == role]
    found = [acc for acc in of_role if acc.name == name or name in labels_of(acc)]
    if len(found) == 1:
        return found[0], ""
    if found:
        return None, f"{len(found)} objects are called {name!r}: " + ", ".join(map(describe, found))
    instead = "; ".join(f"{describe(acc)}, labelled by {labels_of(acc) or 'nothing'}"
                        for acc in of_role) or "none"
    return None, (f"no {ROLE_WORDS[role]} is named {name!r} or labelled by it "
                  f"(the window's {ROLE_WORDS[role]}es: {instead})")


def choice_of(combo, name):
    """A combo box's current choice as a screen reader gets it, and the choices it offers."""
    items = [acc for acc in atspi_reader.descendants(combo)
             if acc.getRole() == pyatspi.ROLE_LIST_ITEM]
    offered = "/".join(item.name for item in items)
    # Named after its choice, with the label on the side; or named after its label, with the
    # choice as the selected item.
    if combo.name != name:
        current = combo.name
    else:
        chosen = [item.name for item in items if "selected" in state_names(item)]
        current = chosen[0] if len(chosen) == 1 else f"(no single selected item: {chosen})"
    return f"{current}, one of {offered}"


def reading(control, role, name):
    if role == pyatspi.ROLE_CHECK_BOX:
        return ticked(control)
    if role == pyatspi.ROLE_COMBO_BOX:
        return choice_of(control, name)
    return text_of(control)


def check_settings(window, mode):
    """Every control of the settings window is there as a screen reader reads it, the mode's
    check box as mode says."""
    for role, name, expected, hint in SETTINGS:
        expected = expected or mode
        description = f"{name!r} is a {ROLE_WORDS[role]} reading {expected!r}, described {hint!r}"
        control, why = find_control(window, role, name)
        if control is None:
            check(description, False, why)
            continue
        got = reading(control, role, name)
        check(description, (got, control.description) == (expected, hint),
              f"it reads {got!r}, described {control.description!r}")


def check_marker(main, showing, why_now):
    """The marker shows, or is hidden (not showing, or not on the bus at all)."""
    marker, missing = find_one(main, MARKER, "label")
    if showing:
        description = f"the marker {MARKER!r} shows {why_now}"
        if marker is None:
            check(description, False, missing)
            return None
        check(description, wait_for(lambda: shows(marker), STEP_TIMEOUT),
              f"{describe(marker)} is not showing after {STEP_TIMEOUT} s")
    else:
        description = f"the marker {MARKER!r} is hidden {why_now}"
        if marker is None:
            check(description, True)
            return None
        check(description, wait_for(lambda: not shows(marker), STEP_TIMEOUT),
              f"{describe(marker)} still shows after {STEP_TIMEOUT} s")
    return marker


def mentions(line, cost, value):
    # The value as a number of its own: "5" is not found in "15" or "0.5".
    return cost in line and re.search(rf"(?<![\d.]){re.escape(value)}(?![\d.])", line)


def check_marker_lists_costs(marker):
    said = marker.description or ""
    lines = said.splitlines()
    missing = [f"{cost} {value}" for cost, value in MARKER_LISTS
               if not any(mentions(line, cost, value) for line in lines)]
    check(f"the marker's description lists {', '.join(c + ' ' + v for c, v in MARKER_LISTS)}",
          not missing, f"it lacks {', '.join(missing)}: it says {said!r}")


def check_rates(main, rates, why_now):
    for name, expected in rates.items():
        box, why = find_one(main, name, "text box")
        got = text_of(box) if box is not None else None
        check(f"{name!r} holds {expected} {why_now}", box is not None and got == expected,
              why or f"it holds {got!r}")


def open_settings(app, main):
    window = open_window(app, main, GEAR, SETTINGS_WINDOW, "settings window")
    if window is None or "active" not in state_names(window):
        raise Abandoned  # the keyboard cannot reach it
    return window


def switch_mode(window, on):
    """Switches the full-cost mode as a screen reader's user does: the focus on its check box,
    which a newly opened settings window starts on, and Space."""
    verb = "on" if on else "off"
    if not check(f"the settings window opens with the focus on {FULL_COST!r}",
                 wait_for_focus_on(window, FULL_COST), f"it is on {focused_name(window)!r}"):
        raise Abandoned
    box, why = find_control(window, pyatspi.ROLE_CHECK_BOX, FULL_COST)
    if box is None:
        check(f"Space switches {FULL_COST!r} {verb}", False, why)
        raise Abandoned
    xdotool("key", "space")
    wanted = "checked" if on else "not checked"
    if not check(f"Space switches {FULL_COST!r} {verb}",
                 wait_for(lambda: ticked(box) == wanted, STEP_TIMEOUT),
                 f"it is {ticked(box)} after {STEP_TIMEOUT} s"):
        raise Abandoned


def settings_file():
    return os.path.join(os.environ["XDG_CONFIG_HOME"], "Pelmora", "Pelmora.ini")


def saved_values():
    try:
        with open(settings_file(), encoding="utf-8") as file:
            return [line.partition("=")[2].strip() for line in file if "=" in line]
    except OSError:
        return []


def first_start(app, main, pid, announcements):
    check_marker(main, False, "at the first start")
    # Where the keyboard was before the settings window took the window system's focus; there
    # it must be again once the window is gone.
    make_active(main, pid, "Form1")
    if not check(f"before the gear is pressed the keyboard focus is in {FIRST_BOX!r}",
                 wait_for_focus_on(main, FIRST_BOX), f"it is on {focused_name(main)!r}"):
        raise Abandoned
    window = open_settings(app, main)
    check_settings(window, "not checked")
    switch_mode(window, True)
    marker = check_marker(main, True, f"once {FULL_COST!r} is on")
    if marker is not None:
        check_marker_lists_costs(marker)
    if not hide_with_glyph(window, "settings window"):
        raise Abandoned
    check(f"with the settings window gone the keyboard focus is back on {FIRST_BOX!r}",
          wait_for_focus_on(main, FIRST_BOX), f"it is on {focused_name(main)!r}")

    if worked_example_read_back(main, pid, announcements, EXPECTED_FIGURES) != ESTIMATE_BUTTON:
        raise Abandoned
    # A rate typed after the example, so that the figures above are those of the rates the
    # boxes started with.
    travel(main, "Tab", [BUY_FEE_RATE])
    type_into(main, BUY_FEE_RATE, LEFT_BUY_RATE)
    travel(main, "Tab", [SELL_FEE_RATE])
    check(f"leaving {BUY_FEE_RATE!r} with Tab saves {LEFT_BUY_RATE} at once, not only at the end",
          wait_for(lambda: LEFT_BUY_RATE in saved_values(), STEP_TIMEOUT),
          f"{settings_file()} holds the values {saved_values()}")


def second_start(app, main, pid):
    marker = check_marker(main, True, "at the next start, the mode having been left on")
    if marker is not None:
        check_marker_lists_costs(marker)
    check_rates(main, {BUY_FEE_RATE: LEFT_BUY_RATE, SELL_FEE_RATE: FIRST_RATES[SELL_FEE_RATE]},
                "as the last run left it")
    window = open_settings(app, main)
    check_settings(window, "checked")
    switch_mode(window, False)
    check_marker(main, False, f"once {FULL_COST!r} is off")
    note("the program is ended with the settings window still shown")


def third_start(app, main, pid):
    check_rates(main, FIRST_RATES, "at the start after the mode was switched off")
    check_marker(main, False, "at the start after the mode was switched off")


def run(path):
    init_bus()
    announcements = listen_for_figures()
    starts = [("first start: the mode switched on, the worked example, a buy rate left behind",
               lambda app, main, pid: first_start(app, main, pid, announcements)),
              ("second start: the mode and the rate remembered, then the mode switched off",
               second_start),
              ("third start: the mode off, the first start's rates", third_start)]
    for heading, scenario in starts:
        print(f"--- {heading}", flush=True)
        with Program(path) as program:
            app = find_application(program.pid)
            main = find_main_window(app) if app else None
            abandoned = main is None
            if main is not None:
                try:
                    scenario(app, main, program.pid)
                except Abandoned:
                    abandoned = True
            end_with_close_glyph(main, program)
        if abandoned:
            note("the later starts build on this one: the scenario stops at the failure above")
            return


if __name__ == "__main__":
    atspi_reader.run_scenario(run)
