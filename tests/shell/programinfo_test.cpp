// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/infobox.h"
#include "shell/programinfo.h"

#include <QtTest>

class ProgramInfoTest : public QObject
{
    Q_OBJECT

private slots:
    void releaseCaption();
    void builtVersion();
    void creditTexts();
    void infoBoxText();
};

void ProgramInfoTest::releaseCaption()
{
    QCOMPARE(velmarit::releaseCaption(2, 0, 3), QString("Rel. 2.0.3"));
    // Plain decimal: no padding to the resource's "2.00.0003" form.
    QCOMPARE(velmarit::releaseCaption(12, 10, 117), QString("Rel. 12.10.117"));
}

void ProgramInfoTest::builtVersion()
{
    // The one version of the build is the project's; the box leaves out the
    // minor number ("2.3" for 2.0.3).
    const QStringList numbers = QString(VELMARIT_VERSION).split('.');
    QCOMPARE(numbers.size(), 3);
    QCOMPARE(velmarit::releaseCaption(), QString("Rel. " VELMARIT_VERSION));
    QVERIFY(velmarit::infoBoxText().contains(
        QString("\rRelease :       %1.%2\r\r").arg(numbers[0], numbers[2])));
    QCOMPARE(velmarit::infoBoxTitle(), QString::fromUtf8(" Info \xc3\xbc"
                                                         "ber Velmarit"));
    QVERIFY(velmarit::infoBoxText().startsWith(QString("Programm:     Velmarit\r")));
}

void ProgramInfoTest::creditTexts()
{
    QCOMPARE(velmarit::creditText("Anna Beispiel"), QString("programmed by Anna Beispiel"));
    QCOMPARE(velmarit::creditHoverText("Anna Beispiel"), QString(" programmed by Anna Beispiel "));
}

void ProgramInfoTest::infoBoxText()
{
    const QString text = velmarit::infoBoxText("Velmarit", 2, 3, QString::fromUtf8("Jörg Muster"),
                                               "info@example.org");
    QCOMPARE(text, QString::fromUtf8("Programm:     Velmarit\r"
                                     "Release :       2.3\r"
                                     "\r"
                                     "Copyright :     J\xc3\xb6rg Muster\r"
                                     "\r"
                                     "mailto :           info@example.org"));
    // Single carriage returns only, no line feeds: six lines, two of them empty.
    QVERIFY(!text.contains(u'\n'));
    QCOMPARE(text.split(u'\r').size(), 6);
    QCOMPARE(velmarit::infoBoxTitle("Velmarit"), QString::fromUtf8(" Info \xc3\xbc"
                                                                   "ber Velmarit"));
}

QTEST_GUILESS_MAIN(ProgramInfoTest)
#include "programinfo_test.moc"
