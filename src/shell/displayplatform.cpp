// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/displayplatform.h"

#include <QtGlobal>

namespace velmarit {

QByteArray preferredPlatform(const QByteArray &qpaPlatform, const QByteArray &display,
                             const QByteArray &waylandDisplay)
{
    if (!qpaPlatform.isEmpty())
        return {};
    // Qt takes a list separated by semicolons and uses the first platform
    // that starts.
    if (!display.isEmpty() && !waylandDisplay.isEmpty())
        return QByteArrayLiteral("xcb;wayland");
    return {};
}

void choosePreferredPlatform()
{
    const QByteArray platform = preferredPlatform(qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"),
                                                  qgetenv("WAYLAND_DISPLAY"));
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
}

bool platformKnowsWindowPosition(const QString &platformName)
{
    // The Wayland plugins are "wayland", "wayland-egl" and the like.
    return !platformName.startsWith(QLatin1String("wayland"));
}

bool platformNeedsQuickExit(const QString &platformName)
{
    return platformName.startsWith(QLatin1String("wayland"));
}

} // namespace velmarit
