// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace velmarit {

// Whether a window can be shown at all. Qt aborts with a terse message when
// it finds no display; the program asks first and says so in a sentence.
// Defined once per platform.
bool graphicalDisplayAvailable();

} // namespace velmarit
