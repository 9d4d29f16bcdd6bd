// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qtplatform.h"

#include <QtTest>

#include <vector>

using velmarit::preferredPlatform;

class QtPlatformTest : public QObject
{
    Q_OBJECT

private slots:
    void preferred_data();
    void preferred();
    void onWayland_data();
    void onWayland();
    void commandLine_data();
    void commandLine();
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

// Qt's options as Qt reads them: the application object takes its own (each
// with its value) first, the X11 platform reads -display from the rest.
void QtPlatformTest::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("platform");
    QTest::addColumn<int>("platformValue");
    QTest::addColumn<QString>("display");

    using L = QStringList;
    QTest::newRow("none") << L{} << "" << 0 << "";
    QTest::newRow("-platform") << L{"-platform", "offscreen"} << "offscreen" << 2 << "";
    QTest::newRow("--platform") << L{"--platform", "xcb;wayland"} << "xcb;wayland" << 2 << "";
    QTest::newRow("the last -platform counts")
        << L{"-platform", "xcb", "datei", "-platform", "wayland"} << "wayland" << 5 << "";
    QTest::newRow("-platform without a value") << L{"-platform"} << "" << 0 << "";
    QTest::newRow("-display") << L{"-display", ":5"} << "" << 0 << ":5";
    QTest::newRow("--display, the last counts")
        << L{"--display", ":5", "-name", "x", "-display", ":6.1"} << "" << 0 << ":6.1";
    QTest::newRow("a value that looks like -display")
        << L{"-qwindowtitle", "-display", ":5"} << "" << 0 << "";
    QTest::newRow("-display loses its value to -platform")
        << L{"-display", "-platform", "offscreen"} << "offscreen" << 3 << "";
    QTest::newRow("-display of -name's value") << L{"-name", "-display", ":5"} << "" << 0 << "";
    QTest::newRow("both, among other arguments")
        << L{"-style", "fusion", "-display", "host:1", "-platform", "xcb"} << "xcb" << 6
        << "host:1";
}

void QtPlatformTest::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, platform);
    QFETCH(int, platformValue);
    QFETCH(QString, display);

    std::vector<QByteArray> bytes{"velmarit"};
    for (const QString &argument : arguments)
        bytes.push_back(argument.toUtf8());
    std::vector<const char *> argv;
    for (const QByteArray &argument : bytes)
        argv.push_back(argument.constData());
    const velmarit::DisplayOptions options =
        velmarit::displayOptions(static_cast<int>(argv.size()), argv.data());
    QCOMPARE(QString::fromStdString(options.platform), platform);
    QCOMPARE(options.platformValue, platformValue);
    QCOMPARE(QString::fromStdString(options.display), display);
}

QTEST_APPLESS_MAIN(QtPlatformTest)

#include "qtplatform_test.moc"
