#!/usr/bin/python3
"""Toribe on Wayland: under a headless weston with its own runtime folder and socket and no X
display, the start paints its first frame; driven over the accessibility bus, as a screen reader
would, Toribe opens 年号変換 from its menu, leaves it, refuses a second start and quits through
終了 with nothing on standard error.
  dbus-run-session -- wayland_session.py TORIBE FIRST_PAINT"""
import os, shutil, subprocess, sys, tempfile, time
import pyatspi
from gi.repository import GLib


def fail(message):
    sys.exit(f"FAIL: {message}")


def wait_for(what, find, seconds=90):  # a loaded machine starts slowly
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            if found := find():
                return found
        except Exception:  # the tree changes under us while windows open and close
            pass
        time.sleep(0.2)
    fail(f"{what} did not appear")


def named(app, name, role):
    return pyatspi.findDescendant(app, lambda a: a and a.name == name and a.getRole() == role)


def press(app, name, role):
    try:
        wait_for(name, lambda: named(app, name, role)).queryAction().doAction(0)
    except GLib.GError:
        pass  # a press that opens a modal window is answered when it closes; what follows checks


toribe, first_paint = sys.argv[1:3]
pyatspi.setTimeout(2000, 15000)
runtime, data = tempfile.mkdtemp(), tempfile.mkdtemp()
os.chmod(runtime, 0o700)
env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM")}
env.update(XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY="toribe-test", XDG_SESSION_TYPE="wayland",
           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
run = lambda **kw: subprocess.Popen([toribe], env=env, cwd=data, stdout=subprocess.DEVNULL, **kw)
weston = subprocess.Popen(["weston", "--backend=headless-backend.so", "--socket=toribe-test",
                           "--no-config", "--idle-time=0"], env=env, stderr=subprocess.DEVNULL)
program = None
try:
    wait_for("weston's socket", lambda: os.path.exists(f"{runtime}/toribe-test"))
    start = subprocess.run([first_paint], env=env, cwd=data, capture_output=True, text=True,
                           timeout=60)
    if start.returncode != 0 or "maxrss" not in start.stderr:
        fail(f"no first frame on Wayland: {start.returncode} {start.stderr}")
    program = run(stderr=subprocess.PIPE, text=True)
    desktop = pyatspi.Registry.getDesktop(0)
    app = wait_for("Toribe", lambda: next((a for a in desktop if a and a.name == "toribe"), None))
    press(app, "年号変換", pyatspi.ROLE_MENU_ITEM)
    press(app, "戻る", pyatspi.ROLE_PUSH_BUTTON)
    second = run(stderr=subprocess.DEVNULL)
    refusal = wait_for("the second start's refusal", lambda: next(
        (a for a in desktop if a and a.name == "toribe" and a != app and named(
            a, "「トリベ」は、すでに起動されています。", pyatspi.ROLE_LABEL)), None))
    press(refusal, "OK", pyatspi.ROLE_PUSH_BUTTON)
    second.wait(timeout=30)
    press(app, "終了(X)", pyatspi.ROLE_MENU_ITEM)
    press(app, "はい(Y)", pyatspi.ROLE_PUSH_BUTTON)
    _, errors = program.communicate(timeout=30)
    if program.returncode != 0 or errors.strip():
        fail(f"ended with {program.returncode}, standard error:\n{errors}")
finally:
    if program and program.poll() is None:
        program.kill()
    weston.terminate()
    weston.wait()
    shutil.rmtree(runtime, ignore_errors=True)
    shutil.rmtree(data, ignore_errors=True)
print("Wayland session passed")
