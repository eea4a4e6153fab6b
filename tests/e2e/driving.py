"""Drives the real program on the virtual desktop as a person would.

xdotool presses keys and clicks; the accessibility tree (AT-SPI, as a screen
reader sees it) says where each control is and what it shows.
"""
import subprocess
import sys
import time

import pyatspi

TIMEOUT = 30.0


def fail(message):
    print("FAIL:", message, flush=True)
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        print("applications on the accessibility bus:",
              [(app.name, app.childCount) for app in desktop if app is not None], flush=True)
    except Exception as error:  # the report must not hide the failure
        print("accessibility bus unreadable:", error, flush=True)
    sys.exit(1)


def wait_for(what, probe, timeout=TIMEOUT):
    """Polls `probe` until it gives something, or fails after `timeout` seconds."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.05)
    fail("gave up waiting for " + what)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and (app.name or "") == "Zenuvio":
            return app
    return None


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def find_all(root, predicate):
    found = []
    stack = [root]
    while stack:
        node = stack.pop()
        if node is None:
            continue
        try:
            if predicate(node):
                found.append(node)
            stack.extend(list(node))
        except Exception:
            continue
    return found


def control(name, role=None, shown=True):
    """The one control with this accessible name (and role), showing unless told."""

    def probe():
        app = application()
        if app is None:
            return None
        hits = find_all(app, lambda n: n.name == name and (showing(n) or not shown)
                        and (role is None or n.getRoleName() == role))
        return hits[0] if hits else None

    return wait_for("the control '%s'" % name, probe)


def focused():
    """The name of the control that has the keyboard focus, or None."""
    app = application()
    hits = find_all(app, lambda n: n.getState().contains(pyatspi.STATE_FOCUSED)) if app else []
    return hits[0].name if hits else None


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)


def click(node):
    """A click with the mouse in the middle of the control."""
    extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    x = extents.x + extents.width // 2
    y = extents.y + extents.height // 2
    subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y), "click", "1"], check=True)


def type_text(text):
    # A character missing from the keyboard map (as "²") is typed through a
    # key that xdotool maps for it first: that needs time.
    delay = "30" if text.isascii() else "200"
    subprocess.run(["xdotool", "type", "--delay", delay, text], check=True)
