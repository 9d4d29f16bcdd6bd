// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTemporaryDir>
#include <QtGlobal>

// The window's benchmarks measure on the offscreen platform at a fixed 96 dpi
// unless the caller chose otherwise, so that runs on different desktops
// compare. Call before constructing the QApplication; keep the object alive
// as long as the application.
class OffscreenDefaults
{
public:
    OffscreenDefaults()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
            qputenv("QT_FONT_DPI", "96");
        // Qt warns without a runtime folder; nothing measured uses it.
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
            qputenv("XDG_RUNTIME_DIR", m_runtimeDir.path().toUtf8());
    }

private:
    QTemporaryDir m_runtimeDir;
};
