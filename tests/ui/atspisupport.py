# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""What the screen-reader tests share: waiting for the program and its
objects on the accessibility bus, failing with a message, and the texts of
the language the program speaks."""

import json
import pathlib
import sys
import time

import pyatspi

TIMEOUT = 30.0  # seconds; the machine may be loaded


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def poll(what, probe):
    """Calls probe until it returns something other than None."""
    deadline = time.monotonic() + TIMEOUT
    while True:
        try:
            value = probe()
        except Exception:  # the object may not be on the bus yet
            value = None
        if value is not None:
            return value
        if time.monotonic() > deadline:
            fail(f"timed out waiting for {what}")
        time.sleep(0.1)


def texts(lang):
    """The program's texts in `lang`, from the file it was built from."""
    folder = pathlib.Path(__file__).resolve().parents[2] / "texts"
    return json.loads((folder / f"{lang}.json").read_text(encoding="utf-8"))


def find_app(pid):
    def probe():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == pid:
                return app
        return None

    return poll(f"the program (pid {pid}) on the accessibility bus", probe)
