# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The window as a screen reader reads it, over AT-SPI.

Finds the running program on the accessibility bus, checks what each result
label is called when empty and when it shows a result, and drives the inputs
through AT-SPI itself (editable text, check-box actions), as assistive
technology would; every name and description is the one of the program's
language. Exits non-zero with a message on the first difference.

Usage: python3 screenreader_atspi.py PID LANG
"""

import sys
import time

import pyatspi

from atspisupport import TIMEOUT, fail, find_app, poll, texts

def descendant(root, what, predicate):
    return poll(what, lambda: pyatspi.findDescendant(root, predicate))


def expect_name(obj, expected, what):
    """Waits for the name to become `expected`; a result is written on the
    program's own time, the check must not race it."""
    last = [None]

    def probe():
        last[0] = obj.name
        return True if last[0] == expected else None

    deadline = time.monotonic() + TIMEOUT
    while probe() is None:
        if time.monotonic() > deadline:
            fail(f"{what}: read as {last[0]!r}, expected {expected!r}")
        time.sleep(0.05)


def toggle(check_box):
    action = check_box.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for wanted in ("Toggle", "Press", "SetFocus"):
        if wanted in names:
            action.doAction(names.index(wanted))
            return
    fail(f"check box {check_box.name!r} offers no toggle action: {names}")


# (label's description, input: a text box's name or "tick N" for switch N
#  beside the label, text to enter, name expected afterwards), and the
# labels that are empty at start, in the texts of a language.
def steps(says):
    lok, ma, delta = says["panels"]["Digital"], says["panels"]["Weichen"], says["panels"]["Delta"]
    return [
        (lok["fromTyped"], lok["typedName"], "1", "78"),
        (lok["fromTicked"], "tick 1", None, "78"),
        (lok["switchList"], lok["addressName"], "-1", ""),
        (ma["fromTyped"], ma["typedName"], "2357", "04"),
        (ma["fromTicked"], "tick 7", None, "104"),
        (ma["switchList"], ma["addressName"], "12", " 1 4 5 7"),
        (ma["switchList"], ma["addressName"], "-99999", ""),
        (delta["fromTyped"], delta["typedName"], "1", "78"),
    ], [lok["fromTyped"], lok["fromTicked"], lok["switchList"], ma["fromTyped"],
        ma["fromTicked"], ma["switchList"]]


def main():
    app = find_app(int(sys.argv[1]))
    says = texts(sys.argv[2])
    steps_of_language, empty_at_start = steps(says)

    def label(description):
        return descendant(
            app,
            f"the label described {description!r}",
            lambda o: o.getRole() == pyatspi.ROLE_LABEL and o.description == description,
        )

    for description in empty_at_start:
        result = label(description)
        frame = result.parent.name
        if result.name == frame:
            fail(f"the empty result {description!r} is read as its frame {frame!r}")
        expect_name(result, "", f"empty result {description!r} at start")

    for description, source, text, expected in steps_of_language:
        result = label(description)
        if source.startswith("tick "):
            switch = says["window"]["switch"].replace("{n}", source.split()[1])
            box = poll(
                f"{switch} beside {description!r}",
                lambda: next(
                    (c for c in result.parent if c.getRole() == pyatspi.ROLE_CHECK_BOX and c.name == switch),
                    None,
                ),
            )
            toggle(box)
        else:
            edit = descendant(
                app, f"the text box {source!r}", lambda o: o.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY) and o.name == source
            )
            edit.queryEditableText().setTextContents(text)
        expect_name(result, expected, f"{description!r} after {source} {text or ''}".rstrip())
        print(f"{description}: read as {expected!r}")

    print("screen reader names: ok")


if __name__ == "__main__":
    main()
