"""What a screen reader reads of the running program through the desktop's accessibility bus:
every control a person can reach, by its name and role, the fields by their labels, none of the
controls that lie beyond the window, and the About window's links; Escape closes that window.
Run in a D-Bus session and on a display of the test's own: program."""
import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi

MAIN = "Varnelo! v3.0"
ABOUT = "About..."
SOURCE = "File to perform conversion to:"
TARGET = "Target path/ folder for transformed file to reside:"
# What each window offers to be pressed, toggled or typed in: role and name.
REACHABLE = {
    MAIN: sorted([
        ("text", SOURCE), ("push button", "Add"), ("push button", "Clear the source file"),
        ("text", TARGET), ("push button", "Target path"), ("push button", "CANCEL"),
        ("push button", "HELP"), ("radio button", "SWF (Flash)"),
        ("radio button", "FLV (Flash)"), ("push button", "GO"),
    ]),
    ABOUT: sorted([
        ("link", "Click for navigation to Pelmora..."),
        ("link", "More about FFmpeg @ https://ffmpeg.org/"),
    ]),
}
BEYOND_THE_WINDOW = {"Convert it now!", "AVI", "WMV"}


def wait_until(what, seconds=60):
    for _ in range(seconds * 10):
        found = what()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"timed out waiting for {what.__doc__}")


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def actions(node):
    try:
        action = node.queryAction()
        return [action.getName(i) for i in range(action.nActions)]
    except NotImplementedError:
        return []


def window(app, name):
    windows = app if app is not None else []
    return next((w for w in windows if w is not None and w.name == name and w.childCount), None)


def press(window, name):
    next(c for c in descendants(window) if c.name == name).queryAction().doAction(0)


def check(failures, condition, message):
    if not condition:
        print(message, file=sys.stderr)
        failures.append(message)


def check_offers(failures, frame, name):
    controls = [c for c in descendants(frame)
                if c.getState().contains(pyatspi.STATE_FOCUSABLE) or actions(c)]
    found = sorted((c.getRoleName(), c.name) for c in controls)
    check(failures, found == REACHABLE[name], f"{name} offers {found}")


def main():
    work = tempfile.mkdtemp()
    env = dict(os.environ, XDG_RUNTIME_DIR=work, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    program = subprocess.Popen([sys.argv[1]], env=env)
    failures = []
    try:
        def app():
            """the program on the accessibility bus"""
            desktop = pyatspi.Registry.getDesktop(0)
            return next((a for a in desktop if a is not None and a.name == "Varnelo"), None)

        def main_window():
            """its main window"""
            return window(app(), MAIN)

        frame = wait_until(main_window)
        check(failures, frame.getRoleName() == "frame", f"the main window is a {frame.getRoleName()}")
        check_offers(failures, frame, MAIN)
        for field in (c for c in descendants(frame) if c.getRoleName() == "text"):
            labels = [r.getTarget(0) for r in field.getRelationSet()
                      if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
            check(failures, [(l.getRoleName(), l.name) for l in labels] == [("label", field.name)],
                  f"the field {field.name} is not labelled by its label")

        press(frame, "HELP")

        def about_window():
            """the About window"""
            return window(app(), ABOUT)

        check_offers(failures, wait_until(about_window), ABOUT)
        beyond = {c.name for c in descendants(app())} & BEYOND_THE_WINDOW
        check(failures, not beyond, f"assistive technology reaches {sorted(beyond)}")

        def about_on_screen():
            """the About window on the screen"""
            return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^About"],
                                  capture_output=True, text=True).stdout.split()

        about = wait_until(about_on_screen)[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", about, "key", "Escape"], check=True)

        def about_closed():
            """the About window to close on Escape"""
            return window(app(), ABOUT) is None

        wait_until(about_closed)
        press(main_window(), "CANCEL")
        check(failures, program.wait(60) == 0, "the program ended badly")
    finally:
        if program.poll() is None:
            program.kill()
        shutil.rmtree(work, ignore_errors=True)
    sys.exit(1 if failures else 0)


main()
