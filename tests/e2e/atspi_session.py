#!/usr/bin/python3
"""A user's session through the accessibility bus alone, as with a screen
reader; checks that one object holds the focus and that every control is
named, uniquely where a user can reach it; ends by pressing "关闭".

Usage: atspi_session.py APPLICATION [text|press|focus ROLE NAME]
The command form prints the text of the control of the AT-SPI role and
name, runs its first action or gives it the focus.
"""
import re
import sys
import time

import pyatspi

MAIN_TITLE = "衡朴湿度(带压力农历)换算软件"
APPEAR_SECONDS = 60
ANSWER_SECONDS = 10
PAUSE = 0.1

# A dew point of -40 ℃ at 20 ℃ and 0.3 MPa gives these results, by group
# and row, converted from the present to standard pressure.
ROWS = ("相对湿度 %|露点/霜点 ℃|体积比 ppm(uL/L)|绝对湿度 g/m3|绝对湿度 mg/m3|混和比 g/Kg|"
        "饱和蒸汽压 pa|蒸汽压 pa|过冷水露点 ℃")
RESULTS = {
    "计算值": "0.5497 -39.99 127.0 0.095 95.0 0.0790 2340.417 12.865 -43.70",
    "带压换算": "0.1374 -51.63 31.7 0.024 23.8 0.0197 2340.417 3.216 -55.79",
}
# The session's steps: what is done to the control of a role and name, with
# the text set, or the pattern the text read must match.
STEPS = [
    ("read", "label", "农历日期", r"\S+年\(\S\)\S+ \d+-\d+-\d+"),
    ("read", "label", "相对湿度：", "相对湿度："),
    ("named", "label", "the clock", r"\d+年\d+月\d+日\d+时\d+分\d+秒"),
    ("read", "combo box", "请输入压力值 单位", "MPa"),
    ("read", "combo box", "露 点 单位", "℃ td"),
    ("set", "text", "露 点", "-40"),
    ("set", "text", "温 度 ℃", "20"),
    ("set", "text", "请输入压力值", "0.3"),
    ("press", "push button", "计算", None),
    *[("read", "text", f"{group} {row}", re.escape(value))
      for group, values in RESULTS.items()
      for row, value in zip(ROWS.split("|"), values.split())],
    ("press", "page tab", "压力单位换算", None),
    ("set", "text", "巴(bar)", "1"),
    ("press", "push button", "换算 巴(bar)", None),
    ("read", "text", "兆帕(MPa)", r"0\.10000"),
]
# Roles of objects that only group or decorate; they need no name.
UNNAMED_ROLES = {"filler", "panel", "page tab list", "scroll pane", "layered pane", "scroll bar",
                 "menu bar", "popup menu", "list"}

failures = []


def poll(probe, seconds=ANSWER_SECONDS):
    """The first true answer of probe() within the time, else its last."""
    deadline = time.monotonic() + seconds
    while True:
        try:
            answer = probe()
        except Exception:  # the bus answers errors while the program starts
            answer = None
        if answer or time.monotonic() > deadline:
            return answer
        time.sleep(PAUSE)


def wait_for(what, probe, seconds=ANSWER_SECONDS):
    return poll(probe, seconds) or sys.exit(f"FAILED: {what} did not appear")


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def find(root, role, name):
    return wait_for(f"the {role} '{name}'", lambda: next(
        (n for n in walk(root) if n.getRoleName() == role and n.name == name), None))


def text_of(node):
    return node.queryText().getText(0, -1)


def expect_text(root, role, name, pattern):
    node = find(root, role, name)
    if not poll(lambda: re.fullmatch(pattern, text_of(node))):
        failures.append(f"'{name}' reads '{text_of(node)}', expected '{pattern}'")


def press(root, role, name, _=None):
    find(root, role, name).queryAction().doAction(0)


def focused_in(window):
    return [f"{n.getRoleName()} '{n.name}'" for n in walk(window)
            if n.getState().contains(pyatspi.STATE_FOCUSED)]


def check_one_focus(window):
    """An active window has one object that holds the focus; one that is
    not (a headless compositor has no keyboard to give) has none."""
    expected = 1 if window.getState().contains(pyatspi.STATE_ACTIVE) else 0
    if not poll(lambda: len(focused_in(window)) == expected):
        failures.append(f"not {expected} objects report the focus: {focused_in(window)}")


def check_names(window):
    reachable = {}
    for node in walk(window):
        if node.getRoleName() in UNNAMED_ROLES:
            continue
        if not node.name:
            failures.append(f"an unnamed {node.getRoleName()} in '{window.name}'")
        elif node.getState().contains(pyatspi.STATE_FOCUSABLE):
            reachable.setdefault(node.name, []).append(node.getRoleName())
    failures.extend(f"'{name}' names {roles}" for name, roles in reachable.items()
                    if len(roles) > 1)


def check_calendar(window):
    """A table of 6 weeks of 7 days, described by its one selected day."""
    press(window, "page tab", "农家历")
    table = find(window, "table", "农历月历")
    grid = table.queryTable()
    cells = [grid.getAccessibleAt(row, column) for row in range(6) for column in range(7)]
    selected = [c.name for c in cells if c.getState().contains(pyatspi.STATE_SELECTED)]
    if (grid.nRows, grid.nColumns) != (6, 7) or selected != [table.description]:
        failures.append(f"the calendar, {grid.nRows} × {grid.nColumns}, describes "
                        f"'{table.description}', selected {selected}")


def set_text(root, role, name, text):
    if not find(root, role, name).queryEditableText().setTextContents(text):
        failures.append(f"'{name}' refused '{text}'")


def expect_named(root, role, what, pattern):
    if not poll(lambda: [n for n in walk(root) if n.getRoleName() == role
                         and re.fullmatch(pattern, n.name)]):
        failures.append(f"no {role} names {what} by the pattern '{pattern}'")


ACTIONS = {"read": expect_text, "set": set_text, "press": press, "named": expect_named}


def run_session(window):
    find(window, "text", "露 点")
    check_one_focus(window)
    for action, role, name, text in STEPS:
        ACTIONS[action](window, role, name, text)
    check_calendar(window)
    # Every page has been shown, so every control has been made.
    press(window, "page tab", "关于")
    check_names(window)
    press(window, "page tab", "湿度(带压)换算")


def main():
    if len(sys.argv) not in (2, 5):
        sys.exit(__doc__)
    app = wait_for("the program", lambda: next(
        a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == sys.argv[1]),
        APPEAR_SECONDS)
    if len(sys.argv) == 5:
        command, role, name = sys.argv[2:]
        node = find(app, role, name)
        {"text": lambda: print(text_of(node)), "press": lambda: node.queryAction().doAction(0),
         "focus": lambda: node.queryComponent().grabFocus()}[command]()
        return
    window = wait_for("the main window", lambda: next(w for w in app if w.name == MAIN_TITLE),
                      APPEAR_SECONDS)
    run_session(window)
    if failures:
        print("\n".join(failures))
        sys.exit("FAILED: the session through the accessibility bus went wrong")
    press(window, "push button", "关闭")


if __name__ == "__main__":
    main()
