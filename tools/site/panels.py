# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The decoder panels as web/panels.json describes them."""

import json
import pathlib

# The decoder bar of a phone, in the order an operator reaches for them; the
# first is shown when the address names none.
TAB_ORDER = ["lok", "weichen", "delta"]


class Panels:
    def __init__(self, path):
        self.panels = json.loads(pathlib.Path(path).read_text(encoding="utf-8"))

    def in_bar_order(self):
        by_fragment = {panel["fragment"]: panel for panel in self.panels}
        return [by_fragment[fragment] for fragment in TAB_ORDER]

    def bar_fragments(self):
        return [panel["fragment"] for panel in self.in_bar_order()]
