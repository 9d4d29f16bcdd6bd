# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The decoder panels as web/panels.json describes them: the panels in the
window's order (top to bottom, which the page keeps), each naming its
decoder by the library's word, and the phone's decoder bar, in the order
an operator reaches for them."""

import json
import pathlib

from render import BuildError


class Panels:
    def __init__(self, path):
        description = json.loads(pathlib.Path(path).read_text(encoding="utf-8"))
        self.panels = description["panels"]
        by_decoder = {panel["decoder"]: panel for panel in self.panels}
        if sorted(description["bar"]) != sorted(by_decoder):
            raise BuildError(f"{path}: the bar {description['bar']} is not the panels' decoders")
        # The panels in the bar's order.
        self.bar = [by_decoder[decoder] for decoder in description["bar"]]

    def bar_fragments(self):
        """The bar's fragments; the first is shown when the address names none."""
        return [panel["fragment"] for panel in self.bar]
