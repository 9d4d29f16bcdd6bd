// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Velmarit's start exactly as the program does it (display, application,
// window, load step, show), ending at the window's first paint. The position
// file goes to a fresh temporary directory, so every run is a first start and
// nothing is left beside the program.

#include "firstpaintquit.h"

#include "language/languagechoice.h"
#include "shell/applicationstart.h"
#include "shell/shell.h"
#include "ui/frmvelmarit.h"

#include <QApplication>
#include <QTemporaryDir>

#include <memory>

int main(int argc, char *argv[])
{
    const velmarit::Texts &language = velmarit::systemTexts();
    const std::unique_ptr<QApplication> app = velmarit::startApplication(argc, argv, language);
    if (!app)
        return 1;
    const QTemporaryDir dir;
    velmarit::FrmVelmarit window(language);
    velmarit::attachShell(&window, dir.path(), dir.path());
    velmarit::bench::FirstPaintQuit quit;
    window.installEventFilter(&quit);
    window.show();
    return app->exec();
}
