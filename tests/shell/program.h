// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/shell.h"
#include "ui/frmvelmarit.h"

#include <QString>
#include <QTest>

#include <memory>

// A window with its shell, the way the program puts them together, keeping
// the position file in a directory of the test's own.
struct Program
{
    Program(const QString &programDir, const QString &configDir)
        : window(std::make_unique<velmarit::FrmVelmarit>()),
          shell(velmarit::attachShell(window.get(), programDir, configDir))
    {
    }
    bool show()
    {
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }

    std::unique_ptr<velmarit::FrmVelmarit> window;
    velmarit::Shell *shell; // owned by the window
};
