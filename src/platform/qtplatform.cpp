// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qtplatform.h"

#include <QtGlobal>

namespace velmarit {

namespace {

// The Wayland plugins are "wayland", "wayland-egl" and the like.
bool isWaylandPlatform(const QString &platformName)
{
    return platformName.startsWith(QLatin1String("wayland"));
}

} // namespace

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
    return !isWaylandPlatform(platformName);
}

bool platformNeedsQuickExit(const QString &platformName, const QVersionNumber &qtVersion)
{
    // Seen with 6.4.2, Debian 12's Qt; the whole 6.4 series is assumed to
    // share the teardown, and later series to have left it behind.
    static const QVersionNumber firstAffected(6, 4);
    static const QVersionNumber firstUnaffected(6, 5);
    return isWaylandPlatform(platformName) && qtVersion >= firstAffected &&
           qtVersion < firstUnaffected;
}

} // namespace velmarit
