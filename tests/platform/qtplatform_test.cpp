// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qtplatform.h"

#include <QtTest>

using velmarit::preferredPlatform;

class QtPlatformTest : public QObject
{
    Q_OBJECT

private slots:
    void preferred_data();
    void preferred();
    void onWayland_data();
    void onWayland();
};

void QtPlatformTest::preferred_data()
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

void QtPlatformTest::preferred()
{
    QFETCH(QByteArray, qpaPlatform);
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, waylandDisplay);
    QFETCH(QByteArray, expected);
    QCOMPARE(preferredPlatform(qpaPlatform, display, waylandDisplay), expected);
}

// Where the position is known and where the process must skip Qt's
// teardown: only Wayland clients, and the quick exit only on the Qt series
// whose Wayland teardown can deadlock.
void QtPlatformTest::onWayland_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("qtVersion");
    QTest::addColumn<bool>("knowsPosition");
    QTest::addColumn<bool>("quickExit");

    QTest::newRow("wayland, Debian 12's Qt") << "wayland"
                                             << "6.4.2" << false << true;
    QTest::newRow("wayland-egl, first 6.4") << "wayland-egl"
                                            << "6.4.0" << false << true;
    QTest::newRow("wayland, Qt 6.5") << "wayland"
                                     << "6.5.0" << false << false;
    QTest::newRow("wayland, Qt 6.3") << "wayland"
                                     << "6.3.2" << false << false;
    QTest::newRow("xcb, Debian 12's Qt") << "xcb"
                                         << "6.4.2" << true << false;
    QTest::newRow("offscreen") << "offscreen"
                               << "6.4.2" << true << false;
}

void QtPlatformTest::onWayland()
{
    QFETCH(QString, platform);
    QFETCH(QString, qtVersion);
    QFETCH(bool, knowsPosition);
    QFETCH(bool, quickExit);
    QCOMPARE(velmarit::platformKnowsWindowPosition(platform), knowsPosition);
    QCOMPARE(velmarit::platformNeedsQuickExit(platform, QVersionNumber::fromString(qtVersion)),
             quickExit);
}

QTEST_APPLESS_MAIN(QtPlatformTest)

#include "qtplatform_test.moc"
