// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pdfplatform.h"

#include <QByteArray>
#include <QtGlobal>

namespace velmarit {

void preparePdfPlatform()
{
    // Without a platform the default one (xcb) would abort where there is no
    // X display. The offscreen platform has the same fontconfig fonts and
    // needs no display even where there is one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
}

} // namespace velmarit
