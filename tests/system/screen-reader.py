#!/usr/bin/python3
"""What a screen reader gets from the running program over AT-SPI: its windows and controls by
role and name, the worked example typed by keyboard alone with the focus followed on the bus,
every figure read back and its change announced, and the labels that act when clicked (close
glyphs, link icons, help icon, gear) operated through their press action, which a screen
reader offers in place of the click. The fees are the commission alone, as on a first start.

    screen-reader.py PROGRAM

Run by screen-reader.sh (screen-reader.sh screen-reader.py PROGRAM), which provides the X
server, the session and accessibility buses and an empty configuration folder. Prints one "ok:"
or "FAILED:" line per check and exits with 1 when one failed. Last the main window's close
glyph, pressed over AT-SPI, must end the program with status 0.

Needs Debian's /usr/bin/python3: python3-pyatspi installs for that interpreter only.
"""

import atspi_reader
from atspi_reader import (ANNOUNCE_TIMEOUT, CLOSE_GLYPH, ESTIMATE_PRICE, FIGURE_EVENTS, GEAR,
                          HELP_ICON, LINK_ICONS, UNUSED_ROWS, Abandoned, Program, check,
                          descendants, describe, end_with_close_glyph, find_application,
                          find_main_window, focused_name, hide_with_glyph, init_bus,
                          listen_for_figures, note, open_window, pressable, read_figures, text_of,
                          travel, type_into, wait_for, wait_for_focus_on,
                          worked_example_read_back, xdotool)

HELP_WINDOW = "Pelmora 帮助"
ADVICE = (
    "本计算器暂时只把手续费计算在内，为测试版，所以可能会有计算错误问题，"
    "如发现有误或想要完整版本的请联系本人。"
)

# The worked example with the commission alone, at the rates a first start shows (0.3 and 0.4).
EXPECTED_FIGURES = [
    ("第1行 买进资金", "5328"),
    ("第1行 手续费用", "15.984"),
    *UNUSED_ROWS,
    ("股票总数", "600"),
    ("平均价格", "8.88"),
    ("总手续费", "15.984"),
    ("总投入资金", "5328"),
    ("卖出 手续费用", "45.312"),
    ("卖出资金", "11328"),
    ("卖出利润", "6000"),
    ("实际利润", "5938.704"),
    ("实际保本价格", "8.94240963855422"),
    (ESTIMATE_PRICE, "23.815234270415"),
]


def help_window(app, main, focus):
    """Opens the help window with the help icon's press action, reads its advice and closes it
    with its own glyph's; the keyboard focus must stay where it was (focus, when known)."""
    if focus is not None:
        check(f"all that reading left the keyboard focus on {focus!r}",
              focused_name(main) == focus, f"it is on {focused_name(main)!r}")
    window = open_window(app, main, HELP_ICON, HELP_WINDOW, "help window")
    if window is None:
        return

    def advice_holders():
        holders = ["its description"] if ADVICE in window.description else []
        for acc in descendants(window):
            if any(ADVICE in (said or "") for said in (text_of(acc), acc.name, acc.description)):
                holders.append(describe(acc))
        return holders

    check("the help window says its advice in full", wait_for(advice_holders, 2),
          f"neither its description nor an object in it says {ADVICE!r}")
    # The help window takes the window system's focus while it shows; the keyboard's place in
    # the main window is the user's, and the presses must not have moved it.
    if hide_with_glyph(window, "help window") and focus is not None:
        check(f"with the help window gone the keyboard focus is back on {focus!r}",
              wait_for_focus_on(main, focus), f"it is on {focused_name(main)!r}")


TOOLS_ENTRY = "交易工具"
TOOLS_WINDOW = "Pelmora 交易工具"
# A round trip of 500 shares bought at 9.95 and sold at 10.20, at the rates of a first start.
ROUND_TRIP_FIGURES = [
    ("做T 收益", "87.02"),
    ("做T 费用合计", "37.98"),
    ("做T 保本卖出价", "10.03"),
    ("做T 保本买回价", "10.12"),
]


def round_trip(app, main, announcements):
    """Opens the trade-tools window with its entry's press action, types a round trip by
    keyboard alone, presses its Calculate button with the space bar and reads the figures back;
    the first one's change must be announced."""
    window = open_window(app, main, TOOLS_ENTRY, TOOLS_WINDOW, "trade-tools window")
    if window is None:
        return
    try:
        if not check("the focus starts in '做T 数量'", wait_for_focus_on(window, "做T 数量"),
                     f"it is on {focused_name(window)!r}"):
            raise Abandoned
        type_into(window, "做T 数量", "500")
        travel(window, "Tab", ["做T 买入价"])
        type_into(window, "做T 买入价", "9.95")
        travel(window, "Tab", ["做T 卖出价"])
        type_into(window, "做T 卖出价", "10.20")
        travel(window, "Tab", ["做T 目标收益", "做T 计算"])
        announcements.clear()
        xdotool("key", "space")
        # Away and back: once the focus is back, the press before it has been handled.
        travel(window, "Tab", ["做T 记入账本", "补仓 持仓数量"])
        travel(window, "shift+Tab", ["做T 记入账本", "做T 计算"])
    except Abandoned:
        note("the round trip stopped at the failure above")
    read_figures(window, ROUND_TRIP_FIGURES)
    name = ROUND_TRIP_FIGURES[0][0]

    def announced():
        return [kind for kind, source in announcements
                if source == name and kind.startswith(FIGURE_EVENTS)]

    check(f"the change of {name!r} is announced", wait_for(announced, ANNOUNCE_TIMEOUT),
          f"no such event after {ANNOUNCE_TIMEOUT} s")
    hide_with_glyph(window, "trade-tools window")


def run(path):
    init_bus()
    announcements = listen_for_figures()
    with Program(path) as program:
        app = find_application(program.pid)
        main = find_main_window(app) if app else None
        if main is not None:
            focus = worked_example_read_back(main, program.pid, announcements, EXPECTED_FIGURES)
            # The gear is only looked at here; the full-cost scenario presses it.
            pressable(main, [*LINK_ICONS, HELP_ICON, GEAR, TOOLS_ENTRY, CLOSE_GLYPH])
            help_window(app, main, focus)
            round_trip(app, main, announcements)
        end_with_close_glyph(main, program)


if __name__ == "__main__":
    atspi_reader.run_scenario(run)
