// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "language/languagechoice.h"
#include "platform/qtplatform.h"
#include "shell/applicationstart.h"
#include "shell/shell.h"
#include "ui/frmvelmarit.h"

#include <QApplication>
#include <QLibraryInfo>

#include <cstdio>
#include <cstdlib>
#include <memory>

int main(int argc, char *argv[])
{
    // The system says which language the user reads; the program has no
    // choice of its own.
    const velmarit::Texts &language = velmarit::systemTexts();
    const std::unique_ptr<QApplication> app = velmarit::startApplication(argc, argv, language);
    if (!app)
        return 1;
    velmarit::FrmVelmarit window(language);
    velmarit::attachShell(&window);
    window.show();
    const int status = app->exec();
    if (velmarit::platformNeedsQuickExit(QGuiApplication::platformName(),
                                         QLibraryInfo::version())) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
