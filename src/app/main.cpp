// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qtplatform.h"
#include "translations/germanqttexts.h"
#include "shell/shell.h"
#include "ui/frmvelmarit.h"

#include <QApplication>
#include <QLibraryInfo>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char *argv[])
{
    // Qt's own options (-platform, -display) choose the display as well as
    // the environment does; Qt takes them out of argv itself.
    if (const std::string missing = velmarit::prepareDisplay(argc, argv); !missing.empty()) {
        std::fprintf(stderr, "%s\n", missing.c_str());
        return 1;
    }

    QApplication app(argc, argv);
    // Qt's own texts (edit menus, dialogs) in the program's language; they
    // stay English where the catalogue is missing.
    velmarit::installGermanQtTexts();
    velmarit::FrmVelmarit window;
    velmarit::attachShell(&window);
    window.show();
    const int status = app.exec();
    if (velmarit::platformNeedsQuickExit(QGuiApplication::platformName(),
                                         QLibraryInfo::version())) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
