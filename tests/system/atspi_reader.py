"""What the screen-reader scenarios share: the checks and their report, reading and operating the
program over AT-SPI the way a screen reader does, the keyboard, and the program's runs, each
started on the accessibility bus and ended by its close glyph's press action.

Imported by the scenarios (screen-reader*.py), which screen-reader.sh runs inside the X server,
the session bus and the accessibility bus it provides. Needs Debian's /usr/bin/python3:
python3-pyatspi installs for that interpreter only.
"""
import os
import signal
import sys
import subprocess
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
END_TIMEOUT = 60
POLL = 0.05

MAIN_WINDOW = "Pelmora 股票交易计算器"
FIRST_BOX = "第1行 买进数量"
BUY_FEE_RATE = "买进 手续费 %"
SELL_FEE_RATE = "卖出 手续费 %"
SELL_PRICE = "卖出价格"
TARGET_PROFIT = "卖出价预算 实际利润"
BUY_BUTTON = "买进 计算"
SELL_BUTTON = "卖出 计算"
ESTIMATE_BUTTON = "卖出价预算 计算"
ESTIMATE_PRICE = "卖出价预算 卖出价格"

# Labels that act when clicked. The link icons are only looked at: pressing one starts a
# browser.
LINK_ICONS = ["聊天群", "券商网站", "财经网站 股票频道", "博客"]
HELP_ICON = "帮助"
GEAR = "费用设置"
CLOSE_GLYPH = "关闭"

# The worked example buys in row 1 only; whatever the fees, the other rows stay at nothing.
UNUSED_ROWS = [(f"第{row}行 {figure}", "0") for row in (2, 3, 4) for figure in ("买进资金", "手续费用")]

# The announcements a screen reader takes a changed figure from.
FIGURE_EVENTS = ("object:property-change:accessible-description", "object:text-changed")


# --- the report -------------------------------------------------------------------------------

failures = 0


def check(description, passed, why=""):
    global failures
    if passed:
        print(f"ok: {description}", flush=True)
    else:
        print(f"FAILED: {description}: {why}", flush=True)
        failures += 1
    return bool(passed)


def note(words):
    print(f"note: {words}", flush=True)


class Abandoned(Exception):
    """A step failed that the rest of its scenario builds on; the failure is reported."""


# --- reading the bus --------------------------------------------------------------------------

_context = GLib.MainContext.default()


def init_bus():
    # One answer from a program under AddressSanitizer can take longer than libatspi's default.
    Atspi.set_timeout(STEP_TIMEOUT * 1000, START_TIMEOUT * 1000)


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


def shows(acc):
    try:
        return "showing" in state_names(acc)
    except GLib.Error:
        return False  # gone from the bus: not showing either


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


def labels_of(acc):
    """The names of the objects that label acc (its labelled-by relation)."""
    names = []
    for relation in acc.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names.extend(relation.getTarget(i).name for i in range(relation.getNTargets()))
    return names


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


def action_names(acc):
    try:
        action = acc.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def press_index(acc):
    for i, name in enumerate(action_names(acc)):
        if name.lower() == "press":
            return i
    return None


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


def listen_for_figures():
    """Starts collecting (event type, source name) of the figure announcements, into the list
    it returns. Listening must start before the program does: a program learns of a new
    listener only some time later."""
    announcements = []

    def heard(event):
        try:
            announcements.append((event.type, event.source.name))
        except GLib.Error:
            pass

    pyatspi.Registry.registerEventListener(heard, *FIGURE_EVENTS)
    return announcements


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
    """Types text into the focused box name, whose text, if any, Tab has selected: the box must
    then hold exactly text."""
    description = f"{text} typed into {name!r} is its text on the bus"
    box, why = find_one(window, name, "text box")
    if box is None or focused_name(window) != name:
        check(description, False, why or f"the focus is on {focused_name(window)!r}, not on it")
        raise Abandoned
    xdotool("type", "--delay", "40", text)
    if not check(description, wait_for(lambda: text_of(box) == text, STEP_TIMEOUT),
                 f"its text is {text_of(box)!r}"):
        raise Abandoned


# --- the program's runs -----------------------------------------------------------------------


class Program:
    """One run of the program under test, on the accessibility bus of the session it runs in.
    A scenario ends it by its close glyph (end_with_close_glyph); stop() is for the way out
    after a failure, so that no run outlives its scenario."""

    def __init__(self, path):
        # Qt joins the bus on its own only when it sees a screen reader running; this one
        # starts after the program.
        environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.process = subprocess.Popen([path], env=environment)
        self.pid = self.process.pid

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.stop()

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


def how_it_ended(status):
    if status < 0:
        return f"killed by {signal.Signals(-status).name}"
    return f"status {status}"


def end_with_close_glyph(main, program):
    """Presses the main window's close glyph over AT-SPI: the program must end with status 0."""
    description = ("the main window's close glyph, pressed over AT-SPI, ends the program with "
                   "status 0")
    if program.process.poll() is not None:
        check(description, False, f"not pressed: the program had already ended, "
                                  f"{how_it_ended(program.process.returncode)}")
        return
    glyph, why = find_one(main, CLOSE_GLYPH, "push button") if main else (
        None, "the main window is not on the bus")
    why = unpressable(glyph, why)
    if why:
        check(description, False, f"not pressed: {why}")
        program.stop()
        return
    try:
        press(glyph)
    except GLib.Error as error:
        # The program may be gone before its answer; how it ended is what counts.
        note(f"the close glyph's press action answered: {error.message}")
    try:
        status = program.process.wait(END_TIMEOUT)
    except subprocess.TimeoutExpired:
        check(description, False, f"it is still running {END_TIMEOUT} s after the press")
        program.stop()
        return
    check(description, status == 0, f"it ended with {how_it_ended(status)}")


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


def make_active(window, pid, title):
    """Keys go to the active window, and a control shows as focused only in it. The window
    manager activates a new window, but not one mapped before it was ready to manage windows,
    which on a loaded machine happens; then the window (X title `title`) is activated as a pager
    would, which involves neither the mouse nor the program's keyboard handling."""
    if wait_for(lambda: "active" in state_names(window), WINDOW_MANAGER_TIMEOUT):
        return
    found = subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid),
                            "--name", f"^{title}$"], capture_output=True, text=True).stdout.split()
    note(f"{describe(window)} was not active after {WINDOW_MANAGER_TIMEOUT} s; activating "
         f"X window {found[:1]}")
    if found:
        subprocess.run(["xdotool", "windowactivate", found[0]], check=False)


def open_window(app, main, opener, name, what):
    """Presses opener (an icon of the main window) and returns the window of the program that
    then shows, once it is active, or None after reporting why not."""
    icon, why = find_one(main, opener, "push button")
    why = unpressable(icon, why)
    description = f"the press action of {opener!r} opens the {what}"
    if why:
        check(description, False, f"not tried: {why}")
        return None
    press(icon)

    def shown():
        return next((w for w in children(app) if w != main and shows(w)), None)

    window = wait_for(shown, STEP_TIMEOUT)
    if not check(description, window,
                 f"no other window of the program shows after {STEP_TIMEOUT} s"):
        return None
    check(f"the {what} is a frame named {name!r}",
          window.getRole() == pyatspi.ROLE_FRAME and window.name == name,
          f"it is a {describe(window)}")
    # A screen reader announces a window when it becomes active, and its user acts on it from
    # then on; keys reach it only from then on too.
    check(f"the {what} becomes the active window",
          wait_for(lambda: "active" in state_names(window), WINDOW_MANAGER_TIMEOUT),
          f"it is not active after {WINDOW_MANAGER_TIMEOUT} s; "
          f"active: {[describe(w) for w in children(app) if 'active' in state_names(w)]}")
    return window


def hide_with_glyph(window, what):
    """Presses the window's own close glyph; True when the window then no longer shows."""
    glyph, why = find_one(window, CLOSE_GLYPH, "push button")
    why = unpressable(glyph, why)
    description = f"the {what}'s close glyph hides it"
    if why:
        check(description, False, why)
        return False
    press(glyph)
    # Closed for good rather than hidden would be as good for the user: gone counts as hidden.
    return check(description, wait_for(lambda: not shows(window), STEP_TIMEOUT), "it still shows")


def pressable(window, names):
    for name in names:
        control, why = find_one(window, name, "push button")
        why = unpressable(control, why)
        check(f"{name!r} can be pressed", not why, why)


# --- the worked example -----------------------------------------------------------------------


def worked_example(window, pid, announcements):
    """Types the example (600 bought at 8.88 in row 1, sold at 18.88, a target profit of 8888)
    and presses the three buttons, by keyboard only, with the rates the boxes hold. Returns the
    estimate's figure as read before its button was pressed; the focus ends on that button."""
    make_active(window, pid, "Form1")
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


def read_figures(window, expected_figures):
    for name, expected in expected_figures:
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


def figure_change(window, name, expected, before, announcements):
    """The figure name, read as before ahead of its button's press, now reads expected, and the
    change was announced."""
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


def worked_example_read_back(window, pid, announcements, expected_figures):
    """The worked example by keyboard, then every figure read back. The estimate must be the
    last of expected_figures: its change is watched on its own. Returns where the keyboard
    focus was left."""
    try:
        before = worked_example(window, pid, announcements)
        focus = ESTIMATE_BUTTON
    except Abandoned:
        note("the keyboard scenario stopped at the failure above")
        before = None
        focus = focused_name(window)
    read_figures(window, expected_figures)
    if before is not None:
        name, expected = expected_figures[-1]
        figure_change(window, name, expected, before, announcements)
    return focus


def run_scenario(run):
    """Runs a scenario on the program named on the command line; exits with 1 when a check failed."""
    try:
        run(sys.argv[1])
    except Exception:  # any surprise is a failure, shown with where it happened
        check("the checks ran to their end", False, traceback.format_exc())
    sys.exit(1 if failures else 0)
