// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/displayplatform.h"

#include <QtTest>

using velmarit::platformKnowsWindowPosition;
using velmarit::platformNeedsQuickExit;
using velmarit::preferredPlatform;

class DisplayPlatformTest : public QObject
{
    Q_OBJECT

private slots:
    void preferred_data();
    void preferred();
    void knowsPosition_data();
    void knowsPosition();
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

void DisplayPlatformTest::knowsPosition_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<bool>("known");
    QTest::addColumn<bool>("quickExit");

    QTest::newRow("xcb") << "xcb" << true << false;
    QTest::newRow("windows") << "windows" << true << false;
    QTest::newRow("offscreen") << "offscreen" << true << false;
    QTest::newRow("wayland") << "wayland" << false << true;
    QTest::newRow("wayland-egl") << "wayland-egl" << false << true;
}

void DisplayPlatformTest::knowsPosition()
{
    QFETCH(QString, platform);
    QFETCH(bool, known);
    QFETCH(bool, quickExit);
    QCOMPARE(platformKnowsWindowPosition(platform), known);
    QCOMPARE(platformNeedsQuickExit(platform), quickExit);
}

QTEST_APPLESS_MAIN(DisplayPlatformTest)

#include "displayplatform_test.moc"
