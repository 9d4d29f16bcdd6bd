# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The window's context menu as a screen reader reads it, over AT-SPI.

Opens the menu the ways a user does (right mouse button on the window
background, the Menu key on a check box, Shift+F10 on the list), learns of it
as a screen reader does, from the "showing" event of its popup menu, and
reads its entries, in the program's language. Exits non-zero with a message
on the first difference.

Usage: python3 contextmenu_atspi.py PID WINDOW-ID LANG
"""

import subprocess
import sys
import time

import pyatspi

from atspisupport import TIMEOUT, fail, find_app, poll, texts
from gi.repository import GLib

SAYS = texts(sys.argv[3])
# The information box's title, as the program fills it in.
INFO_TITLE = SAYS["info"]["title"].replace("{product}", "Velmarit")
# (name, has the shortcut Ctrl+P): each entry opens a dialog, and says so.
ENTRIES = [
    (SAYS["printing"]["print"] + "…", True),
    (SAYS["printing"]["preview"] + "…", False),
    (SAYS["printing"]["savePdf"] + "…", False),
    (INFO_TITLE.strip() + "…", False),
]


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


def menu_shown_by(how, trigger):
    """Runs trigger and waits for a popup menu of the program to show."""
    shown = []

    def on_showing(event):
        try:
            if event.detail1 == 1 and event.source.getRole() == pyatspi.ROLE_POPUP_MENU:
                shown.append(event.source)
        except Exception:
            pass

    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    try:
        trigger()
        context = GLib.MainContext.default()
        deadline = time.monotonic() + TIMEOUT
        while not shown and time.monotonic() < deadline:
            while context.pending():
                context.iteration(False)
            time.sleep(0.02)
    finally:
        pyatspi.Registry.deregisterEventListener(on_showing, "object:state-changed:showing")
    if not shown:
        fail(f"{how}: no popup menu was shown")
    return shown[-1]


def read_menu(how, menu):
    items = [c for c in menu if c is not None]
    names = [(c.name, c.getRole()) for c in items]
    entries = [c for c in items if c.getRole() != pyatspi.ROLE_SEPARATOR]
    if [c.name for c in entries] != [name for name, _ in ENTRIES]:
        fail(f"{how}: the menu reads {names}")
    roles = [c.getRole() for c in items]
    # The separator stands before the last entry.
    if pyatspi.ROLE_SEPARATOR in roles and roles.index(pyatspi.ROLE_SEPARATOR) != 3:
        fail(f"{how}: separator at {roles.index(pyatspi.ROLE_SEPARATOR)} in {names}")
    for item, (name, shortcut) in zip(entries, ENTRIES):
        if item.getRole() != pyatspi.ROLE_MENU_ITEM:
            fail(f"{how}: {name!r} is read as {item.getRoleName()}, not as a menu item")
        if shortcut:
            action = item.queryAction()
            bindings = [action.getKeyBinding(i) for i in range(action.nActions)]
            if not any("P" in b for b in bindings):
                fail(f"{how}: {name!r} names no shortcut Ctrl+P: {bindings}")
    print(f"{how}: {[c.name for c in entries]}")
    return entries


def close_menu():
    xdotool("key", "--clearmodifiers", "Escape")
    time.sleep(0.3)


def main():
    pid, window = int(sys.argv[1]), sys.argv[2]
    app = find_app(pid)

    def focus(role, name):
        widget = poll(
            f"{name!r}",
            lambda: pyatspi.findDescendant(app, lambda o: o.getRole() == role and o.name == name),
        )
        widget.queryComponent().grabFocus()
        time.sleep(0.3)

    xdotool("windowactivate", "--sync", window)
    read_menu(
        "right click on the window background",
        menu_shown_by(
            "right click",
            lambda: xdotool("mousemove", "--window", window, "4", "4", "click", "3"),
        ),
    )
    close_menu()

    focus(pyatspi.ROLE_CHECK_BOX, SAYS["window"]["switch"].replace("{n}", "1"))
    read_menu(
        "Menu key on a check box",
        menu_shown_by("Menu key", lambda: xdotool("key", "--clearmodifiers", "Menu")),
    )
    close_menu()

    focus(pyatspi.ROLE_LIST, SAYS["panels"]["Delta"]["list"])
    entries = read_menu(
        "Shift+F10 on the list",
        menu_shown_by("Shift+F10", lambda: xdotool("key", "--clearmodifiers", "shift+F10")),
    )

    # The last entry opens the information box; chosen with the keyboard,
    # since the box is modal and an AT-SPI action would wait for it to close.
    del entries
    xdotool("key", "--clearmodifiers", "Up", "Return")
    box = poll(
        "the information box",
        lambda: next(
            (w for w in app if w is not None and w.name == INFO_TITLE),
            None,
        ),
    )
    print(f"the information box opened: {box.name!r}")
    xdotool("key", "--clearmodifiers", "Return")
    print("context menu: ok")


if __name__ == "__main__":
    main()
