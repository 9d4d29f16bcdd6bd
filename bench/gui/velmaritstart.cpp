// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Velmarit's start exactly as the program does it (window, load step,
// show), ending at the window's first paint. The position file goes to a
// fresh temporary directory, so every run is a first start and nothing is
// left beside the program.

#include "firstpaintquit.h"

#include "platform/qtplatform.h"
#include "translations/germanqttexts.h"
#include "shell/shell.h"
#include "ui/frmvelmarit.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <string>

int main(int argc, char *argv[])
{
    // The display is checked and chosen as the program does it, since that
    // is part of every start.
    if (const std::string missing = velmarit::prepareDisplay(argc, argv); !missing.empty()) {
        std::fprintf(stderr, "%s\n", missing.c_str());
        return 1;
    }
    QApplication app(argc, argv);
    // Qt's own texts (edit menus, dialogs) in the program's language; they
    // stay English where the catalogue is missing.
    velmarit::installGermanQtTexts();
    const QTemporaryDir dir;
    velmarit::FrmVelmarit window;
    velmarit::attachShell(&window, dir.path(), dir.path());
    velmarit::bench::FirstPaintQuit quit;
    window.installEventFilter(&quit);
    window.show();
    return app.exec();
}
