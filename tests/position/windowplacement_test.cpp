// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "position/windowplacement.h"

#include "twips/twips.h"

#include <QtTest>

#include <climits>

class WindowPlacementTest : public QObject
{
    Q_OBJECT

private slots:
    void twips_data();
    void twips();
    void reachable_data();
    void reachable();
};

void WindowPlacementTest::twips_data()
{
    QTest::addColumn<qint32>("twips");
    QTest::addColumn<int>("pixels");

    // 15 twips to the pixel: 1440 twips are an inch, 96 pixels.
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("one pixel") << 15 << 1;
    QTest::newRow("an inch") << 1440 << 96;
    QTest::newRow("7 twips, under half a pixel") << 7 << 0;
    QTest::newRow("8 twips, over half a pixel") << 8 << 1;
    // The nearest pixel past the first: the remainder decides, not the whole.
    QTest::newRow("22 twips, under a pixel and a half") << 22 << 1;
    QTest::newRow("23 twips, over a pixel and a half") << 23 << 2;
    QTest::newRow("minus 7 twips") << -7 << 0;
    QTest::newRow("minus 8 twips") << -8 << -1;
    QTest::newRow("minus 300 twips") << -300 << -20;
    QTest::newRow("the window's client width") << 9435 << 629;
    QTest::newRow("the window's client height") << 7425 << 495;
    QTest::newRow("a panel's height") << 2115 << 141;
    // 2147483647 = 15 * 143165576 + 7; -2147483648 = -15 * 143165576 - 8.
    QTest::newRow("largest") << INT_MAX << 143165576;
    QTest::newRow("smallest") << INT_MIN << -143165577;
}

void WindowPlacementTest::twips()
{
    QFETCH(qint32, twips);
    QFETCH(int, pixels);
    QCOMPARE(velmarit::pixelsFromPosition({twips, twips}), QPoint(pixels, pixels));
    QCOMPARE(velmarit::twipsToPixels(twips), pixels);
    // A whole pixel written and read again is the same pixel.
    QCOMPARE(velmarit::pixelsFromPosition(velmarit::positionFromPixels({pixels, pixels})),
             QPoint(pixels, pixels));
    // Beyond the file's range the position is held at its ends.
    QCOMPARE(velmarit::positionFromPixels({INT_MAX, INT_MIN}),
             (velmarit::WindowPosition{INT_MAX, INT_MIN}));
}

void WindowPlacementTest::reachable_data()
{
    QTest::addColumn<QPoint>("topLeft");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<bool>("reachable");

    // The outer size is 9555 x 7830 twips: 637 x 522 pixels.
    const QList<QRect> one{QRect(0, 0, 1280, 1024)};
    const QList<QRect> two{QRect(0, 0, 1280, 1024), QRect(1280, 0, 1920, 1080)};

    QTest::newRow("inside") << QPoint(96, 48) << one << true;
    QTest::newRow("partly left of the screen") << QPoint(-20, 1) << one << true;
    QTest::newRow("one column showing on the left") << QPoint(-636, 0) << one << true;
    QTest::newRow("just off the left edge") << QPoint(-637, 0) << one << false;
    QTest::newRow("one row showing at the bottom") << QPoint(0, 1023) << one << true;
    QTest::newRow("just below the screen") << QPoint(0, 1024) << one << false;
    QTest::newRow("above the screen") << QPoint(100, -600) << one << false;
    QTest::newRow("on a second monitor") << QPoint(2000, 500) << two << true;
    QTest::newRow("second monitor removed") << QPoint(2000, 500) << one << false;
    QTest::newRow("below the shorter monitor")
        << QPoint(300, 1030) << QList<QRect>{QRect(0, 0, 1280, 1024), QRect(1280, 0, 1920, 1200)}
        << false;
    QTest::newRow("far away, no overflow") << QPoint(INT_MAX - 10, INT_MAX - 10) << two << false;
    QTest::newRow("far negative") << QPoint(INT_MIN, INT_MIN) << two << false;
    QTest::newRow("no screen known") << QPoint(100000, 100000) << QList<QRect>{} << true;
}

void WindowPlacementTest::reachable()
{
    QFETCH(QPoint, topLeft);
    QFETCH(QList<QRect>, screens);
    QFETCH(bool, reachable);
    const QSize outer(637, 522);
    QCOMPARE(velmarit::isReachableOnAnyScreen(topLeft, outer, screens), reachable);
}

QTEST_GUILESS_MAIN(WindowPlacementTest)
#include "windowplacement_test.moc"
