#!/usr/bin/python3
# Drives the built program as a screen reader user would, over AT-SPI on the test's X display:
# what it reads of each window, and that the keyboard and the bullseye's action each draw.
# Usage: screen_reader.py PROGRAM (in a folder with a Jestrel.Ini of many distinct sayings)
import os
import subprocess
import sys
import time

import pyatspi
from waiting import fail, wait_for


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "jestrel":
            return app
    return None


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def find(node, role, name=None):
    for child in descendants(node):
        if child.getRoleName() == role and (name is None or child.name == name):
            return child
    return None


def actions(node):
    action = node.queryAction()
    return [action.getName(i) for i in range(action.nActions)]


def do_action(node, name):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == name:
            action.doAction(i)
            return
    fail(f"{node.getRoleName()} '{node.name}' has no action {name}")


def key(window_id, *keys):
    subprocess.run(["xdotool", "windowfocus", "--sync", window_id] + (["key", *keys] if keys else []), check=True)


def saying(frame):
    return find(frame, "label").name


def expect_draw(frame, act, what):
    # Of forty sayings a draw may show the same one again; then it is tried again, five times at most.
    before = saying(frame)
    for _ in range(5):
        act()
        deadline = time.monotonic() + 2
        while time.monotonic() < deadline and saying(frame) == before and program.poll() is None:
            time.sleep(0.05)
        if program.poll() is not None:
            fail(f"{what} ended the program")
        if saying(frame) != before:
            return
    fail(f"{what} did not draw")


program = subprocess.Popen([sys.argv[1]], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
try:
    app = wait_for("program on the accessibility bus", application)
    frame = wait_for("main window", lambda: find(app, "frame", "Jestrel!"))
    picture = find(frame, "push button", "Click for another saying")
    button = find(frame, "push button", "Jestrel!")
    if not picture or not button:
        fail("the main window does not read as a bullseye button and an exit button: "
             + ", ".join(f"{c.getRoleName()} '{c.name}'" for c in descendants(frame)))
    if "Press" not in actions(picture):
        fail(f"the bullseye's actions are {actions(picture)}")

    # The menus by the names a screen reader reads.
    bar = find(frame, "menu bar")
    help_item = find(bar, "menu item", "Help")
    about_item = find(bar, "menu item", "About Jestrel!")
    if bar.name != "Application" or not help_item or not about_item or not find(bar, "popup menu", "Help"):
        fail("the menus read as " + ", ".join(f"{c.getRoleName()} '{c.name}'" for c in [bar, *descendants(bar)]))

    expect_draw(frame, lambda: do_action(picture, "Press"), "the bullseye's Press action")

    window_id = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Jestrel!$"],
                               check=True, capture_output=True, text=True).stdout.split()[0]
    focused = lambda node: node.getState().contains(pyatspi.STATE_FOCUSED)
    key(window_id)
    wait_for("focus on the exit button", lambda: focused(button))
    key(window_id, "Tab")
    wait_for("focus on the bullseye after Tab", lambda: focused(picture))
    expect_draw(frame, lambda: key(window_id, "space"), "Space on the bullseye")
    expect_draw(frame, lambda: key(window_id, "Return"), "Enter on the bullseye")
    key(window_id, "shift+Tab")
    wait_for("focus back on the exit button after Shift+Tab", lambda: focused(button))

    # The about box reads in the order it is laid out: the icon, the labels from the top, OK.
    # Chosen from the keyboard: the entry's own action would not return until the modal box had gone.
    key(window_id, "alt+h", "a")
    dialog = wait_for("about box", lambda: find(app, "dialog", "About Jestrel!"))
    read = [(child.getRoleName(), child.name) for child in descendants(dialog)]
    roles = [role for role, _ in read]
    if roles != ["image"] + ["label"] * 6 + ["push button"] or read[0][1] != "Jestrel! icon" \
            or read[1][1] != "Jestrel!" or read[2][1] != "Version 0.05" or read[-1][1] != "OK":
        fail(f"the about box reads as {read}")
    icon = next(descendants(dialog))
    if icon.getState().contains(pyatspi.STATE_ENABLED) or actions(icon):
        fail("the about box's icon can be used")
    if not dialog.getState().contains(pyatspi.STATE_MODAL):
        fail("the about box does not read as modal")
    ok = find(dialog, "push button", "OK")
    wait_for("focus on OK", lambda: focused(ok))

    # Behind the box the main window's controls read as unavailable, and a screen reader's press,
    # by the index it learnt before the box opened, is refused: it draws nothing and ends nothing.
    shown = saying(frame)
    for control in (picture, button):
        if control.getState().contains(pyatspi.STATE_SENSITIVE):
            fail(f"'{control.name}' reads as available behind the about box")
        try:
            pressed = control.queryAction().doAction(0)
        except Exception:  # the toolkit answers an action it no longer offers with an error
            pressed = False
        if pressed:
            fail(f"'{control.name}' took a press behind the about box")
    time.sleep(0.5)
    if program.poll() is not None:
        fail("a press behind the about box ended the program")
    if saying(frame) != shown or not find(app, "dialog", "About Jestrel!").getState().contains(pyatspi.STATE_SHOWING):
        fail("a press behind the about box drew, or put the box away")
    dialog_id = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^About Jestrel!$"],
                               check=True, capture_output=True, text=True).stdout.split()[0]
    key(dialog_id, "Return")
    wait_for("the about box put away", lambda: not find(app, "dialog", "About Jestrel!")
             or not find(app, "dialog", "About Jestrel!").getState().contains(pyatspi.STATE_SHOWING))

    # Both work again once the box is put away.
    expect_draw(frame, lambda: do_action(picture, "Press"), "the bullseye's Press action after OK")
    do_action(button, "Press")
    if program.wait(10) != 0:
        fail(f"the exit button's Press ended the program with status {program.returncode}")
finally:
    if program.poll() is None:
        program.kill()
