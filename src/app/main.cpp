// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "displaycheck.h"
#include "shell/shell.h"
#include "ui/frmvelmarit.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (!velmarit::graphicalDisplayAvailable()) {
        std::fputs("velmarit: Keine grafische Anzeige gefunden (DISPLAY ist nicht gesetzt) / "
                   "no graphical display found (DISPLAY is not set).\n",
                   stderr);
        return 1;
    }

    QApplication app(argc, argv);
    velmarit::FrmVelmarit window;
    // The load step runs before the window is first shown; the shell, owned
    // by the window, writes the position file when the window closes.
    auto *shell = new velmarit::Shell(&window);
    shell->Form_Load();
    window.show();
    return app.exec();
}
