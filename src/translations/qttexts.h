// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "texts/texts.h"

#include <QString>

namespace velmarit {

// Qt's own texts (a text box's edit menu, the print, preview and file
// dialogs, the message box buttons, velmarit-tabelle's help headings and
// command-line errors) must speak the program's language too. Installs Qt's
// catalogue of `language` into the running application, and makes the
// language's locale the default one, which dialogs take their dates and
// paper units from. False when Qt has no catalogue of the language (English
// needs none: Qt's texts are English) or it could not be read; Qt's texts
// then stay English, and nothing else changes.
bool installQtTexts(const Texts &language);

// Where this platform keeps Qt's catalogue of `language` ("de"):
// qttexts_unix.cpp, Debian's installed ones; qttexts_win.cpp, the copies
// built into the program.
QString qtCatalogue(const QString &language);

} // namespace velmarit
