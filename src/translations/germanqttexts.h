// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace velmarit {

// Velmarit speaks German whatever the system's locale, and so must Qt's own
// texts: a text box's edit menu, the print, preview and file dialogs, the
// message box buttons. Installs Qt's German catalogue into the running
// application; false when it could not be read (Qt's texts then stay
// English, and nothing else changes).
bool installGermanQtTexts();

// Where this platform keeps the catalogue (germanqttexts_unix.cpp: Debian's
// installed one; germanqttexts_win.cpp: the copy built into the program).
QString germanQtCatalogue();

} // namespace velmarit
