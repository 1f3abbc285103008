#!/usr/bin/python3
"""What a screen reader gets from the running program over AT-SPI: its windows and controls by
role and name, the worked example typed by keyboard alone with the focus followed on the bus,
every figure read back and its change announced, and the labels that act when clicked (close
glyphs, link icons, help icon) operated through their press action, which a screen reader
offers in place of the click.

    screen-reader.py --pid PID --pressed-close FILE

Run by screen-reader.sh, which provides the X server, the session and accessibility buses and
the program (PID). Prints one "ok:" or "FAILED:" line per check and exits with 1 when one
failed. Last it presses the main window's close glyph and creates FILE, telling the caller to
wait for the program's end: the caller judges that end, since only it can wait for the process.

Needs Debian's /usr/bin/python3: python3-pyatspi installs for that interpreter only.
"""
import argparse
import subprocess
import sys
import time
import traceback

import gi

gi.require_version("Atspi", "2.0")
import pyatspi  # noqa: E402
from gi.repository import Atspi, GLib  # noqa: E402

# Under AddressSanitizer on a loaded two-core machine a start takes seconds, and one answer
# from the program can take longer than libatspi waits by default; so every wait is long, and
# polls end as soon as what they wait for is there.
START_TIMEOUT = 120
STEP_TIMEOUT = 30
ANNOUNCE_TIMEOUT = 10
WINDOW_MANAGER_TIMEOUT = 10
POLL = 0.05

MAIN_WINDOW = "Pelmora 股票交易计算器"
HELP_WINDOW = "Pelmora 帮助"
ADVICE = (
    "本计算器暂时只把手续费计算在内，为测试版，所以可能会有计算错误问题，"
    "如发现有误或想要完整版本的请联系本人。"
)
FIRST_BOX = "第1行 买进数量"
BUY_FEE_RATE = "买进 手续费 %"
SELL_FEE_RATE = "卖出 手续费 %"
SELL_PRICE = "卖出价格"
TARGET_PROFIT = "卖出价预算 实际利润"
BUY_BUTTON = "买进 计算"
SELL_BUTTON = "卖出 计算"
ESTIMATE_BUTTON = "卖出价预算 计算"
ESTIMATE_PRICE = "卖出价预算 卖出价格"

# The worked example: 600 shares bought at 8.88, sold at 18.88, and the sell price that makes
# an actual profit of 8888. The estimate comes last: its change is watched on its own.
EXPECTED_FIGURES = [
    ("第1行 买进资金", "5328"),
    ("第1行 手续费用", "15.984"),
    ("第2行 买进资金", "0"),
    ("第2行 手续费用", "0"),
    ("第3行 买进资金", "0"),
    ("第3行 手续费用", "0"),
    ("第4行 买进资金", "0"),
    ("第4行 手续费用", "0"),
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

# Labels that act when clicked. The link icons are only looked at: pressing one starts a
# browser.
LINK_ICONS = ["聊天群", "券商网站", "财经网站 股票频道", "博客"]
HELP_ICON = "帮助"
CLOSE_GLYPH = "关闭"

# The announcements a screen reader takes a changed figure from.
FIGURE_EVENTS = ("object:property-change:accessible-description", "object:text-changed")

failures = 0


def check(description, passed, why=""):
    global failures
    if passed:
        print(f"ok: {description}", flush=True)
    else:
        print(f"FAILED: {description}: {why}", flush=True)
        failures += 1
    return bool(passed)


class Abandoned(Exception):
    """A step failed that the rest of its scenario builds on; the failure is reported."""


# --- reading the bus --------------------------------------------------------------------------

_context = GLib.MainContext.default()


def pump():
    # libatspi hands events over in the default main context, which nothing else runs here.
    while _context.iteration(False):
        pass


def wait_for(probe, timeout):
    """Polls probe() until it returns something true, and returns that or its last result."""
    deadline = time.monotonic() + timeout
    while True:
        pump()
        try:
            result = probe()
        except GLib.Error:
            result = None  # an object went away while being asked; ask again
        if result or time.monotonic() >= deadline:
            return result
        time.sleep(POLL)


def children(acc):
    try:
        return [child for child in acc if child is not None]
    except GLib.Error:
        return []


def descendants(acc):
    found, todo = [], children(acc)
    while todo:
        node = todo.pop(0)
        found.append(node)
        todo.extend(children(node))
    return found


def state_names(acc):
    return {pyatspi.stateToString(state) for state in acc.getState().getStates()}


def describe(acc):
    return f"{acc.getRoleName()} {acc.name!r}"


def find_one(root, name, what):
    """The one object under root named name, and why not when there is none. Two objects of one
    name are a fault too: a screen reader's user could not tell them apart."""
    found = [acc for acc in descendants(root) if acc.name == name]
    if len(found) == 1:
        return found[0], ""
    if not found:
        return None, f"there is no {what} named {name!r}"
    return None, f"{len(found)} objects are named {name!r}: " + ", ".join(map(describe, found))


def text_of(acc):
    """The full text of the object's Text interface, or None when it has none."""
    try:
        text = acc.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, -1)


def figure_of(label):
    """A result label's figure as a screen reader reads it: its text where it has the Text
    interface, else its description."""
    text = text_of(label)
    return text if text is not None else label.description


def press_index(acc):
    for i, name in enumerate(action_names(acc)):
        if name.lower() == "press":
            return i
    return None


def action_names(acc):
    try:
        action = acc.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def unpressable(acc, why_missing):
    """Why acc cannot be pressed, or "" when it can."""
    if acc is None:
        return why_missing
    # A drawn element that acts on a press: a button to a screen reader, or a label that offers
    # the action.
    if acc.getRole() not in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_LABEL):
        return f"it is a {describe(acc)}, neither a push button nor a label"
    if press_index(acc) is None:
        names = ", ".join(action_names(acc)) or "none"
        return f"{describe(acc)} has no press action (its actions: {names})"
    return ""


def press(acc):
    acc.queryAction().doAction(press_index(acc))


def focused_name(window):
    for acc in descendants(window):
        if "focused" in state_names(acc):
            return acc.name
    return None


def wait_for_focus_on(window, name):
    return wait_for(lambda: focused_name(window) == name, STEP_TIMEOUT)


# --- the keyboard -----------------------------------------------------------------------------


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


def travel(window, key, stops):
    """Presses key once per stop and follows the focus from stop to stop. Waiting for the focus
    to arrive, rather than sleeping, also makes sure every key pressed before was handled."""
    description = f"{key} ×{len(stops)} leads the focus to {stops[-1]!r}"
    for count, stop in enumerate(stops, start=1):
        before = focused_name(window)
        xdotool("key", key)

        def moved():
            now = focused_name(window)
            return now if now != before else None

        after = wait_for(moved, STEP_TIMEOUT)
        if after != stop:
            where = f"on {after!r}" if after else f"still on {before!r}"
            check(description, False, f"after {key} ×{count} the focus is {where}, not on {stop!r}")
            raise Abandoned
    check(description, True)


def type_into(window, name, text):
    description = f"{text} typed into {name!r} is its text on the bus"
    box, why = find_one(window, name, "text box")
    if box is None or focused_name(window) != name:
        check(description, False, why or f"the focus is on {focused_name(window)!r}, not on it")
        raise Abandoned
    xdotool("type", "--delay", "40", text)
    if not check(description, wait_for(lambda: text_of(box) == text, STEP_TIMEOUT),
                 f"its text is {text_of(box)!r}"):
        raise Abandoned


# --- the scenarios ----------------------------------------------------------------------------


def find_application(pid):
    def registered():
        for app in children(pyatspi.Registry.getDesktop(0)):
            if app.get_process_id() == pid:
                return app
        return None

    app = wait_for(registered, START_TIMEOUT)
    check("the program registers with the accessibility bus", app,
          f"no application of process {pid} after {START_TIMEOUT} s")
    return app


def find_main_window(app):
    # Found by what it holds, so that a wrong role or name is one failure and the rest still runs.
    def holding_first_box():
        return next((w for w in children(app) if find_one(w, FIRST_BOX, "")[0]), None)

    window = wait_for(holding_first_box, START_TIMEOUT)
    if window is None:
        check("the main window is on the bus", False,
              f"no window of the program holds {FIRST_BOX!r}")
        return None
    check(f"the main window is a frame named {MAIN_WINDOW!r}",
          window.getRole() == pyatspi.ROLE_FRAME and window.name == MAIN_WINDOW,
          f"it is a {describe(window)}")
    return window


def make_active(window, pid):
    """Keys go to the active window, and a control shows as focused only in it. The window
    manager activates a new window, but not one mapped before it was ready to manage windows,
    which on a loaded machine happens; then the window is activated as a pager would, which
    involves neither the mouse nor the program's keyboard handling."""
    if wait_for(lambda: "active" in state_names(window), WINDOW_MANAGER_TIMEOUT):
        return
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                           capture_output=True, text=True).stdout.split()
    print(f"note: the main window was not active after {WINDOW_MANAGER_TIMEOUT} s; activating "
          f"X window {found[:1]}", flush=True)
    if found:
        subprocess.run(["xdotool", "windowactivate", found[0]], check=False)


def worked_example(window, pid, announcements):
    """Types the example and presses the three buttons, by keyboard only. Returns the estimate's
    figure as read before its button was pressed."""
    make_active(window, pid)
    if not check(f"the focus starts in {FIRST_BOX!r}", wait_for_focus_on(window, FIRST_BOX),
                 f"it is on {focused_name(window)!r}"):
        raise Abandoned
    type_into(window, FIRST_BOX, "600")
    travel(window, "Tab", ["第1行 买进价格"])
    type_into(window, "第1行 买进价格", "8.88")
    travel(window, "Tab", ["第2行 买进数量", "第2行 买进价格", "第3行 买进数量", "第3行 买进价格",
                           "第4行 买进数量", "第4行 买进价格", BUY_BUTTON])
    xdotool("key", "space")

    travel(window, "Tab", [SELL_BUTTON, ESTIMATE_BUTTON, BUY_FEE_RATE, SELL_FEE_RATE, SELL_PRICE])
    type_into(window, SELL_PRICE, "18.88")
    travel(window, "shift+Tab", [SELL_FEE_RATE, BUY_FEE_RATE, ESTIMATE_BUTTON, SELL_BUTTON])
    xdotool("key", "space")

    travel(window, "Tab", [ESTIMATE_BUTTON, BUY_FEE_RATE, SELL_FEE_RATE, SELL_PRICE, TARGET_PROFIT])
    type_into(window, TARGET_PROFIT, "8888")
    travel(window, "shift+Tab", [SELL_PRICE, SELL_FEE_RATE, BUY_FEE_RATE, ESTIMATE_BUTTON])

    price, _ = find_one(window, ESTIMATE_PRICE, "label")
    before = figure_of(price) if price is not None else None
    pump()
    announcements.clear()
    xdotool("key", "space")
    # Away and back: once the focus is back, the press before it has been handled.
    travel(window, "Tab", [BUY_FEE_RATE])
    travel(window, "shift+Tab", [ESTIMATE_BUTTON])
    return before


def read_figures(window):
    for name, expected in EXPECTED_FIGURES:
        description = f"label {name!r} reads {expected}"
        label, why = find_one(window, name, "label")
        if label is None:
            check(description, False, why)
        elif label.getRole() != pyatspi.ROLE_LABEL:
            check(description, False, f"it is a {describe(label)}")
        elif (text := text_of(label)) is not None:
            check(description, text == expected,
                  f"its Text interface reads {text!r} (its description {label.description!r})")
        else:
            check(description, label.description == expected,
                  f"it has no Text interface, and its description is {label.description!r}")


def figure_change(window, before, announcements):
    name, expected = EXPECTED_FIGURES[-1]
    label, why = find_one(window, name, "label")
    if label is None:
        check(f"{name!r} changes on the bus when its button is pressed", False, why)
        return
    after = figure_of(label)
    check(f"{name!r} changes on the bus when its button is pressed",
          after != before and after == expected,
          f"it read {before!r} before and {after!r} after")

    def announced():
        return [kind for kind, source in announcements
                if source == name and kind.startswith(FIGURE_EVENTS)]

    heard = wait_for(announced, ANNOUNCE_TIMEOUT)
    others = sorted({kind for kind, source in announcements if source == name})
    check(f"the change of {name!r} is announced ({' or '.join(FIGURE_EVENTS)})", heard,
          f"no such event after {ANNOUNCE_TIMEOUT} s"
          + (f" (only {', '.join(others)})" if others else ""))


def pressable_labels(window):
    for name in [*LINK_ICONS, HELP_ICON, CLOSE_GLYPH]:
        label, why = find_one(window, name, "label")
        why = unpressable(label, why)
        check(f"{name!r} can be pressed", not why, why)


def help_window(app, main, focus):
    """Opens the help window with the help icon's press action, reads its advice and closes it
    with its own glyph's; the keyboard focus must stay where it was (focus, when known)."""
    if focus is not None:
        check(f"all that reading left the keyboard focus on {focus!r}",
              focused_name(main) == focus, f"it is on {focused_name(main)!r}")
    icon, why = find_one(main, HELP_ICON, "label")
    why = unpressable(icon, why)
    if why:
        check("the help icon's press action opens the help window", False, f"not tried: {why}")
        return
    press(icon)

    def shown():
        return next((w for w in children(app) if w != main and "showing" in state_names(w)), None)

    window = wait_for(shown, STEP_TIMEOUT)
    if not check("the help icon's press action opens the help window", window,
                 f"no other window of the program shows after {STEP_TIMEOUT} s"):
        return
    check(f"the help window is a frame named {HELP_WINDOW!r}",
          window.getRole() == pyatspi.ROLE_FRAME and window.name == HELP_WINDOW,
          f"it is a {describe(window)}")

    def advice_holders():
        holders = ["its description"] if ADVICE in window.description else []
        for acc in descendants(window):
            if any(ADVICE in (said or "") for said in (text_of(acc), acc.name, acc.description)):
                holders.append(describe(acc))
        return holders

    check("the help window says its advice in full", wait_for(advice_holders, 2),
          f"neither its description nor an object in it says {ADVICE!r}")

    glyph, why = find_one(window, CLOSE_GLYPH, "label")
    why = unpressable(glyph, why)
    if why:
        check("the help window's close glyph hides it", False, why)
        return
    press(glyph)

    def hidden_or_gone():
        try:
            return "showing" not in state_names(window)
        except GLib.Error:
            return True  # closed for good rather than hidden: as good for the user

    hidden = wait_for(hidden_or_gone, STEP_TIMEOUT)
    check("the help window's close glyph hides it", hidden, "it still shows")
    # The help window takes the window system's focus while it shows; the keyboard's place in
    # the main window is the user's, and the presses must not have moved it.
    if hidden and focus is not None:
        check(f"with the help window gone the keyboard focus is back on {focus!r}",
              wait_for_focus_on(main, focus), f"it is on {focused_name(main)!r}")


def press_close(main, pressed_flag):
    glyph, why = find_one(main, CLOSE_GLYPH, "label")
    if unpressable(glyph, why):
        return  # reported among the pressable labels; the caller reports the program running
    try:
        press(glyph)
    except GLib.Error as error:
        # The program may be gone before its answer; the caller judges by how it ended.
        print(f"note: the close glyph's press action answered: {error.message}", flush=True)
    open(pressed_flag, "w").close()


def run(pid, pressed_flag):
    Atspi.set_timeout(STEP_TIMEOUT * 1000, START_TIMEOUT * 1000)
    announcements = []

    def heard(event):
        try:
            announcements.append((event.type, event.source.name))
        except GLib.Error:
            pass

    # Listening from the start: the program learns of a new listener only some time later.
    pyatspi.Registry.registerEventListener(heard, *FIGURE_EVENTS)

    app = find_application(pid)
    main = find_main_window(app) if app else None
    if main is None:
        return
    try:
        before = worked_example(main, pid, announcements)
        focus = ESTIMATE_BUTTON
    except Abandoned:
        print("note: the keyboard scenario stopped at the failure above", flush=True)
        before = None
        focus = focused_name(main)
    read_figures(main)
    if before is not None:
        figure_change(main, before, announcements)
    pressable_labels(main)
    help_window(app, main, focus)
    press_close(main, pressed_flag)


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--pid", type=int, required=True)
    parser.add_argument("--pressed-close", required=True)
    args = parser.parse_args()
    try:
        run(args.pid, args.pressed_close)
    except Exception:  # any surprise is a failure, shown with where it happened
        check("the checks ran to their end", False, traceback.format_exc())
    sys.exit(1 if failures else 0)
