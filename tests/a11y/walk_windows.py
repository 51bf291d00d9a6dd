#!/usr/bin/python3
"""walk_windows.py TORIBE: walks every window as a screen reader does (AT-SPI, under Xvfb and openbox)
and fails on a reachable control without a name, a grid day without its date, a tool bar twice."""
import contextlib, os, re, subprocess, sys, tempfile, time

if os.environ.get("TORIBE_WALK_BUS") != "1":
    os.environ["TORIBE_WALK_BUS"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", "/usr/bin/python3"] + sys.argv)
import pyatspi as R  # noqa: E402
from gi.repository import Atspi  # noqa: E402
NAMED = {R.ROLE_PUSH_BUTTON, R.ROLE_TEXT, R.ROLE_ENTRY, R.ROLE_LIST, R.ROLE_LIST_BOX,
         R.ROLE_COMBO_BOX, R.ROLE_CHECK_BOX, R.ROLE_RADIO_BUTTON, R.ROLE_SCROLL_BAR}
TOOLS = ["電卓", "換算", "周期表", "時の計算", "こよみ", "年号変換", "住所録", "こづかい帳", "名刺管理",
         "贈答控え", "ナンバーズ大予想", "プロ野球勝敗表", "すべてのデータを検索", "バージョン情報", "さいころ"]
# An item of a menu never opened can answer a press as another item (Qt 6.4): the one with no
# toolbar button is chosen by the keys, as a person would.
BY_KEYS = {"こよみ": ["key", "--delay", "300", "alt+o", "Up", "Return"]}
WAYS_OUT = ("戻る", "閉じる", "OK")
problems, started = [], []

def run(command, **options):
    started.append(subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **options))
    return started[-1]

def xdotool(*words):
    return subprocess.run(["xdotool", *words], capture_output=True, text=True).stdout.strip()

def wait_for(find, what, seconds=20):
    for _ in range(seconds * 5):
        if found := find():
            return found
        time.sleep(0.2)
    sys.exit(f"FAIL: {what} never came")

def nodes(node):
    for child in node:
        try:
            if child.getRole() in (R.ROLE_MENU, R.ROLE_MENU_ITEM, R.ROLE_POPUP_MENU) or \
                    child.getState().contains(R.STATE_SHOWING):
                yield child
                yield from nodes(child)
        except Exception:  # gone while walked
            continue

def check(window, main=False):
    toolbars, days = set(), 0
    for node in nodes(window):
        role, name, where = node.getRole(), node.name.strip(), f"{window.name}: {node.getRoleName()}"
        if role in NAMED and not name:
            problems.append(f"{where} without a name")
        if role == R.ROLE_TOOL_BAR:  # a copy: the same name or the same buttons
            seen = {name, tuple(child.name for child in node)}
            problems.extend([f"{where} {name} twice"] * bool(seen & toolbars))
            toolbars |= seen
        day = re.fullmatch(r"(\d{1,2})(日?)", name)
        if main and role == R.ROLE_LABEL and day:
            days += 1
            if not day[2] or not re.match(rf"\d+年\d+月{day[1]}日 .曜日", node.description):
                problems.append(f"{where} {name} without its date: {node.description!r}")
    return days

def press(window, names):
    for name in names:
        for node in nodes(window):
            node.clear_cache()  # Qt makes a menu item's object anew when asked
            if node.getRole() in (R.ROLE_MENU_ITEM, R.ROLE_PUSH_BUTTON) and \
                    node.getState().contains(R.STATE_ENABLED) and \
                    re.fullmatch(re.escape(name) + r"(\(.\))?", node.name):
                Atspi.set_timeout(500, -1)  # a modal window holds the answer back until it closes
                with contextlib.suppress(Exception):  # the answer may not come in time
                    node.queryAction().doAction(0)
                Atspi.set_timeout(25000, -1)
                return True
    return False

def main():
    read, write = os.pipe()
    run(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"], pass_fds=[write])
    os.environ["DISPLAY"] = ":" + os.read(read, 16).decode().strip()
    run(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"]), run(["openbox"]), time.sleep(2)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               XDG_RUNTIME_DIR=tempfile.mkdtemp())
    program = run([os.path.abspath(sys.argv[1])], cwd=tempfile.mkdtemp(), env=env)
    desktop = R.Registry.getDesktop(0)
    app = wait_for(lambda: next((a for a in desktop if a and a.get_process_id() == program.pid), 0), "the program")
    frames = lambda: [w for w in app if w is not None and w.getState().contains(R.STATE_SHOWING)]
    main_window = wait_for(frames, "the main window")[0]
    problems.extend(["main window: the grid's days are missing"] * (check(main_window, main=True) < 28))
    month = lambda: [n.name for n in nodes(main_window) if re.fullmatch(r"\d+年\s*\d+月", n.name)]
    shown = month()
    press(main_window, ["次の月"])  # a screen reader's press turns the page as a click does
    wait_for(lambda: month() != shown, "the next month after a press of 次の月", 5)
    for tool in TOOLS:  # opened through the menus (a toolbar button is pressed alike)
        if tool in BY_KEYS:
            xdotool("search", "--name", "^トリベ", "windowactivate", "--sync", *BY_KEYS[tool])
        elif not press(main_window, [tool]):
            problems.append(f"no menu item or button {tool}")
            continue
        window = wait_for(lambda: [w for w in frames() if w != main_window], tool)[0]
        time.sleep(0.5)  # built and shown whole
        check(window)
        if not press(window, WAYS_OUT):  # the close box, through the window manager
            wait_for(lambda: xdotool("search", "--name", f"^{window.name}$", "windowactivate") == "" and
                     xdotool("getactivewindow", "getwindowname") == window.name, f"{tool} active")
            xdotool("key", "alt+F4")
        wait_for(lambda: len(frames()) == 1, f"{tool} closing")
    print("\n".join(problems) or "every window named")
    return bool(problems)

try:
    status = main()
finally:
    [process.kill() for process in reversed(started)]
sys.exit(status)
