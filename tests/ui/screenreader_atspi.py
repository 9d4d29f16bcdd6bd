# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The window as a screen reader reads it, over AT-SPI.

Finds the running program on the accessibility bus, checks what each result
label is called when empty and when it shows a result, and drives the inputs
through AT-SPI itself (editable text, check-box actions), as assistive
technology would. Exits non-zero with a message on the first difference.

Usage: python3 screenreader_atspi.py PID
"""

import sys
import time

import pyatspi

from atspisupport import TIMEOUT, fail, find_app, poll

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


# The result labels by the description they carry; the empty ones at start.
LOK_TYPED = "Lok-Adresse aus den eingegebenen Schalternummern"
LOK_TICKED = "Lok-Adresse aus den angekreuzten Schaltern"
LOK_ENCODED = "Schalter auf ON für die eingegebene Lok-Adresse"
MA_TYPED = "Weichenadresse aus den eingegebenen Schalternummern"
MA_TICKED = "Weichenadresse aus den angekreuzten Schaltern"
MA_ENCODED = "Schalter auf ON für die eingegebene Weichenadresse"
DELTA_TYPED = "Delta-Adresse aus den eingegebenen Schalternummern"

# (label, input: a text box's name or "tick N" for switch N beside the label,
#  text to enter, name expected afterwards)
STEPS = [
    (LOK_TYPED, "Digital-Decoder: Nummern der Schalter auf ON", "1", "78"),
    (LOK_TICKED, "tick 1", None, "78"),
    (LOK_ENCODED, "Digital-Decoder: Adresse", "-1", ""),
    (MA_TYPED, "Weichen-Decoder: Nummern der Schalter auf ON", "2357", "04"),
    (MA_TICKED, "tick 7", None, "104"),
    (MA_ENCODED, "Weichen-Decoder: Weichenadresse", "12", " 1 4 5 7"),
    (MA_ENCODED, "Weichen-Decoder: Weichenadresse", "-99999", ""),
    (DELTA_TYPED, "Delta-Decoder: Nummern der Schalter auf ON", "1", "78"),
]
EMPTY_AT_START = [LOK_TYPED, LOK_TICKED, LOK_ENCODED, MA_TYPED, MA_TICKED, MA_ENCODED]


def main():
    app = find_app(int(sys.argv[1]))

    def label(description):
        return descendant(
            app,
            f"the label described {description!r}",
            lambda o: o.getRole() == pyatspi.ROLE_LABEL and o.description == description,
        )

    for description in EMPTY_AT_START:
        result = label(description)
        frame = result.parent.name
        if result.name == frame:
            fail(f"the empty result {description!r} is read as its frame {frame!r}")
        expect_name(result, "", f"empty result {description!r} at start")

    for description, source, text, expected in STEPS:
        result = label(description)
        if source.startswith("tick "):
            switch = "Schalter " + source.split()[1]
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
