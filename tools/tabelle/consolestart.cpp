// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "consolestart.h"

namespace velmarit {

QString ownConsoleNotice()
{
    // Whoever double-clicks this program most likely wants the tables on
    // paper; the window prints them, so the note points there first.
    return QStringLiteral(
        "velmarit-tabelle gibt die Codiertabellen der DIP-Schalter als Text, als CSV\n"
        "oder als PDF aus. Es ist für die Eingabeaufforderung gedacht, zum Beispiel:\n"
        "\n"
        "  velmarit-tabelle --pdf tabellen.pdf\n"
        "  velmarit-tabelle --help\n"
        "\n"
        "Zum Drucken der Tabellen genügt das Fenster: velmarit.exe starten und\n"
        "Strg+P drücken.\n"
        "\n"
        "Weiter mit einer beliebigen Taste ...\n");
}

} // namespace velmarit
