#!/usr/bin/python3
"""Walks the main window and every tool window as a screen reader does (AT-SPI)
and fails on a reachable control without a name, a grid day without its date,
or a tool bar listed twice. Runs the program once, under Xvfb, on a private
session bus with at-spi2-core's accessibility bus.  Usage: walk_windows.py TORIBE"""
import os, re, subprocess, sys, tempfile, time

if os.environ.get("TORIBE_WALK_BUS") != "1":  # a session bus of our own
    os.environ["TORIBE_WALK_BUS"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", "/usr/bin/python3"] + sys.argv)

import pyatspi  # noqa: E402
from gi.repository import Atspi  # noqa: E402

NAMED = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_LIST,
         pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_CHECK_BOX,
         pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_TOGGLE_BUTTON}
# Each tool window by the menu item (or toolbar button) that opens it.
TOOLS = ["電卓", "換算", "周期表", "時の計算", "こよみ", "年号変換", "住所録", "こづかい帳",
         "名刺管理", "贈答控え", "ナンバーズ大予想", "プロ野球勝敗表", "すべてのデータを検索",
         "バージョン情報", "さいころ"]
# A menu item of a menu never opened can answer a press as another item does (Qt 6.4):
# those with no toolbar button are chosen by the keys, as a person would.
BY_KEYS = {"こよみ": ["alt+o", "Up", "Return"]}
WAYS_OUT = ("戻る", "閉じる", "OK", "終了", "終わり", "抜ける")
problems, started = [], []


def run(command, **options):
    started.append(subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                    **options))
    return started[-1]


def start():
    read, write = os.pipe()
    run(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
        pass_fds=[write])
    os.environ["DISPLAY"] = ":" + os.read(read, 16).decode().strip()
    run(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    run(["openbox"])
    time.sleep(2)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               XDG_RUNTIME_DIR=tempfile.mkdtemp())
    return run([os.path.abspath(sys.argv[1])], cwd=tempfile.mkdtemp(), env=env)


def wait_for(find, what, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    sys.exit(f"FAIL: {what} never appeared")


def nodes(node):
    for child in node:
        try:
            menu = child.getRole() in (pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_POPUP_MENU)
            if menu or child.getState().contains(pyatspi.STATE_SHOWING):
                yield child
                yield from nodes(child)
        except Exception:  # gone while walked
            continue


def frames(app):
    return [w for w in app if w is not None and w.getState().contains(pyatspi.STATE_SHOWING)]


def check(window, title):
    toolbars, days = set(), 0
    for node in nodes(window):
        role, name = node.getRole(), node.name.strip()
        where = f"{title}: {node.getRoleName()}"
        if os.environ.get("TORIBE_WALK_SHOW"):
            print(where, repr(name), repr(node.description))
        if role in NAMED and not name and node.getState().contains(pyatspi.STATE_SHOWING):
            problems.append(f"{where} without a name")
        if role == pyatspi.ROLE_TOOL_BAR:  # a copy: the same name or the same buttons
            for seen in (name, tuple(child.name for child in node)):
                if seen in toolbars:
                    problems.append(f"{where} {name} twice")
                toolbars.add(seen)
        if role == pyatspi.ROLE_LABEL and re.fullmatch(r"\d{1,2}", name) and title == "main window":
            problems.append(f"{where} {name}: a day as a bare number")
        day = re.fullmatch(r"(\d{1,2})日", name)
        if role == pyatspi.ROLE_LABEL and day and title == "main window":
            days += 1
            if not re.match(rf"\d+年\d+月{day[1]}日 [日月火水木金土]曜日", node.description):
                problems.append(f"{where} {name} without its date: {node.description!r}")
    return days


def press(window, names):
    """Presses the first enabled item or button called by one of names, in their order."""
    # Qt makes a menu item's object anew when asked: each is looked at and pressed at once.
    def fresh(name):
        for node in nodes(window):
            node.clear_cache()
            if (node.getRole() in (pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_PUSH_BUTTON)
                    and node.getState().contains(pyatspi.STATE_ENABLED)
                    and re.fullmatch(re.escape(name) + r"(\(.\))?", node.name)):
                yield node
    for node in (node for name in names for node in fresh(name)):
        Atspi.set_timeout(500, -1)  # a modal window holds the answer back until it closes
        try:
            node.queryAction().doAction(0)
        except Exception:
            pass
        Atspi.set_timeout(25000, -1)
        return True
    return False


def main():
    program = start()
    desktop = pyatspi.Registry.getDesktop(0)
    app = wait_for(lambda: next((a for a in desktop if a and a.get_process_id() == program.pid), None),
                   "the program")
    main_window = wait_for(lambda: frames(app)[:1], "the main window")[0]
    if check(main_window, "main window") < 28:
        problems.append("main window: the month grid's days are missing")
    month = lambda: [n.name for n in nodes(main_window) if re.fullmatch(r"\d+年\s*\d+月", n.name)]
    shown = month()
    press(main_window, ("次の月",))  # a screen reader's press turns the page as a click does
    wait_for(lambda: month() != shown, "the next month after a press of 次の月", 5)
    for tool in os.environ.get("TORIBE_WALK_ONLY", "").split() or TOOLS:
        if tool in BY_KEYS:
            subprocess.run(["xdotool", "search", "--name", "^トリベ", "windowactivate", "--sync"])
            for key in BY_KEYS[tool]:
                subprocess.run(["xdotool", "key", key])
                time.sleep(0.3)
        elif not press(main_window, (tool,)):
            problems.append(f"no menu item or button {tool}")
            continue
        window = wait_for(lambda: [w for w in frames(app) if w != main_window][:1], tool)[0]
        time.sleep(0.5)  # built and shown whole
        check(window, f"{tool} ({window.name})")
        if not press(window, WAYS_OUT):  # the close box, through the window manager
            activate = ["xdotool", "search", "--name", f"^{window.name}$", "windowactivate"]
            active = ["xdotool", "getactivewindow", "getwindowname"]
            wait_for(lambda: subprocess.run(activate, capture_output=True) and subprocess.run(
                active, capture_output=True, text=True).stdout.strip() == window.name, f"{tool} active")
            subprocess.run(["xdotool", "key", "alt+F4"])
        wait_for(lambda: len(frames(app)) == 1 or None, f"{tool} closing")
    print("\n".join(problems) or "every window named")
    return 1 if problems else 0


try:
    status = main()
finally:
    for process in reversed(started):
        process.kill()
sys.exit(status)
