"""What a screen reader reads of the running program through the desktop's accessibility bus:
every control a person can reach, by role and name, the fields labelled by their labels, none of
the controls beyond the window, the About window's links; Escape closes that window.
Run in a D-Bus session and on a display of the test's own: accessibility.py PROGRAM"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi

MAIN, ABOUT = "Varnelo! v3.0", "About..."
REACHABLE = {
    MAIN: sorted([
        ("text", "File to perform conversion to:"), ("push button", "Add"),
        ("push button", "Clear the source file"),
        ("text", "Target path/ folder for transformed file to reside:"),
        ("push button", "Target path"), ("push button", "CANCEL"), ("push button", "HELP"),
        ("radio button", "SWF (Flash)"), ("radio button", "FLV (Flash)"), ("push button", "GO"),
    ]),
    ABOUT: [("link", "Click for navigation to Pelmora..."),
            ("link", "More about FFmpeg @ https://ffmpeg.org/")],
}
BEYOND_THE_WINDOW = {"Convert it now!", "AVI", "WMV"}
failed = False


def check(condition, message):
    global failed
    if not condition:
        print(message, file=sys.stderr)
        failed = True


def wait_for(what, find):
    for _ in range(600):
        found = find()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"timed out waiting for {what}")


def descendants(node):
    for child in filter(None, node):
        yield child
        yield from descendants(child)


def actions(node):
    try:
        return node.queryAction().nActions
    except NotImplementedError:
        return 0


def app():
    return next((a for a in filter(None, pyatspi.Registry.getDesktop(0)) if a.name == "Varnelo"),
                None)


def window(name):
    return next((w for w in filter(None, app() or []) if w.name == name and w.childCount), None)


def press(frame, name):
    next(c for c in descendants(frame) if c.name == name).queryAction().doAction(0)


def check_reachable(frame):
    found = sorted((c.getRoleName(), c.name) for c in descendants(frame)
                   if c.getState().contains(pyatspi.STATE_FOCUSABLE) or actions(c))
    check(found == REACHABLE[frame.name], f"{frame.name} offers {found}")


work = tempfile.mkdtemp()
program = subprocess.Popen([sys.argv[1]], env=dict(
    os.environ, XDG_RUNTIME_DIR=work, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
try:
    main = wait_for("the main window", lambda: window(MAIN))
    check(main.getRoleName() == "frame", f"the main window is a {main.getRoleName()}")
    check_reachable(main)
    for field in (c for c in descendants(main) if c.getRoleName() == "text"):
        labels = [(r.getTarget(0).getRoleName(), r.getTarget(0).name) for r in field.getRelationSet()
                  if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
        check(labels == [("label", field.name)], f"the field {field.name} is labelled by {labels}")

    press(main, "HELP")
    check_reachable(wait_for("the About window", lambda: window(ABOUT)))
    beyond = {c.name for c in descendants(app())} & BEYOND_THE_WINDOW
    check(not beyond, f"assistive technology reaches {sorted(beyond)}")

    about = wait_for("the About window on the screen", lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", "^About"],
        capture_output=True, text=True).stdout.split())[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", about, "key", "Escape"], check=True)
    wait_for("Escape to close the About window", lambda: window(ABOUT) is None)
    press(main, "CANCEL")
    check(program.wait(60) == 0, "the program ended badly")
finally:
    if program.poll() is None:
        program.kill()
    subprocess.run(["rm", "-rf", work], check=False)
sys.exit(1 if failed else 0)
