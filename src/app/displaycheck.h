// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace velmarit {

// Why no window can be shown, as one German line for the console, or an
// empty text when one can. Qt aborts with a terse message when the display
// it needs is missing or does not answer; the program asks first, the way
// Qt will connect, and says what is missing. A platform the user names in
// QT_QPA_PLATFORM is respected: one that needs no display (offscreen) is
// never refused. Defined once per platform.
std::string missingDisplay();

} // namespace velmarit
