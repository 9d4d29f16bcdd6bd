// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/displayplatform.h"

#include <QtTest>

using velmarit::preferredPlatform;

class DisplayPlatformTest : public QObject
{
    Q_OBJECT

private slots:
    void preferred_data();
    void preferred();
};

void DisplayPlatformTest::preferred_data()
{
    QTest::addColumn<QByteArray>("qpaPlatform");
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("waylandDisplay");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("Wayland desktop with XWayland")
        << QByteArray() << QByteArray(":0") << QByteArray("wayland-0") << QByteArray("xcb;wayland");
    QTest::newRow("Wayland desktop without XWayland")
        << QByteArray() << QByteArray() << QByteArray("wayland-0") << QByteArray();
    QTest::newRow("X11 desktop") << QByteArray() << QByteArray(":0") << QByteArray()
                                 << QByteArray();
    QTest::newRow("the user's choice, Wayland")
        << QByteArray("wayland") << QByteArray(":0") << QByteArray("wayland-0") << QByteArray();
    QTest::newRow("the user's choice, offscreen")
        << QByteArray("offscreen") << QByteArray(":0") << QByteArray("wayland-0") << QByteArray();
}

void DisplayPlatformTest::preferred()
{
    QFETCH(QByteArray, qpaPlatform);
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, waylandDisplay);
    QFETCH(QByteArray, expected);
    QCOMPARE(preferredPlatform(qpaPlatform, display, waylandDisplay), expected);
}

QTEST_APPLESS_MAIN(DisplayPlatformTest)

#include "displayplatform_test.moc"
