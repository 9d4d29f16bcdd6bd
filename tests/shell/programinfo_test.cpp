// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/programinfo.h"
#include "version/velmaritversion.h"

#include <QtTest>

Q_DECLARE_METATYPE(const velmarit::Texts *)

class ProgramInfoTest : public QObject
{
    Q_OBJECT

private slots:
    void releaseCaption();
    void builtVersion();
    void creditTexts();
    void infoBoxText();
    void inEachLanguage_data();
    void inEachLanguage();
};

namespace {

velmarit::ProgramInfo infoFor(int major, int minor, int revision)
{
    return velmarit::makeProgramInfo("Velmarit", major, minor, revision, "Anna Beispiel",
                                     QString::fromUtf8("Jörg Muster"), "info@example.org");
}

} // namespace

void ProgramInfoTest::releaseCaption()
{
    QCOMPARE(infoFor(2, 0, 3).releaseCaption, QString("Rel. 2.0.3"));
    // Plain decimal: no padding to the resource's "2.00.0003" form.
    QCOMPARE(infoFor(12, 10, 117).releaseCaption, QString("Rel. 12.10.117"));
}

void ProgramInfoTest::builtVersion()
{
    // The one version of the build is the project's; the box leaves out the
    // minor number ("2.3" for 2.0.3).
    const QString version = QString::fromLatin1(velmarit::version::kVersion);
    const QStringList numbers = version.split('.');
    QCOMPARE(numbers.size(), 3);
    const velmarit::ProgramInfo &info = velmarit::programInfo();
    QCOMPARE(info.releaseCaption, "Rel. " + version);
    QVERIFY(info.infoBoxText.contains(
        QString("\nRelease :       %1.%2\n\n").arg(numbers[0], numbers[2])));
    QCOMPARE(info.infoBoxTitle, QString::fromUtf8(" Info \xc3\xbc"
                                                  "ber Velmarit"));
    QVERIFY(info.infoBoxText.startsWith(QString("Programm:     Velmarit\n")));
}

void ProgramInfoTest::creditTexts()
{
    QCOMPARE(infoFor(2, 0, 3).creditText, QString("programmed by Anna Beispiel"));
    QCOMPARE(infoFor(2, 0, 3).creditHoverText, QString(" programmed by Anna Beispiel "));
}

void ProgramInfoTest::infoBoxText()
{
    const velmarit::ProgramInfo info = infoFor(2, 0, 3);
    QCOMPARE(info.infoBoxText, QString::fromUtf8("Programm:     Velmarit\n"
                                                 "Release :       2.3\n"
                                                 "\n"
                                                 "Copyright :     J\xc3\xb6rg Muster\n"
                                                 "\n"
                                                 "mailto :           info@example.org"));
    QCOMPARE(info.infoBoxTitle, QString::fromUtf8(" Info \xc3\xbc"
                                                  "ber Velmarit"));
    // A value with a placeholder of its own is shown as it is.
    const velmarit::ProgramInfo odd =
        velmarit::makeProgramInfo("Velmarit", 2, 0, 3, "%1", "100%2 Muster", "%5@example.org");
    QVERIFY(odd.infoBoxText.endsWith("Copyright :     100%2 Muster\n\nmailto :           "
                                     "%5@example.org"));
    QCOMPARE(odd.creditText, QString("programmed by %1"));
}

void ProgramInfoTest::inEachLanguage_data()
{
    QTest::addColumn<const velmarit::Texts *>("language");
    QTest::addColumn<QString>("release");
    QTest::addColumn<QString>("credit");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<QString>("lastLine");
    using namespace velmarit::texts;
    QTest::newRow("German") << &de << "Rel. 2.0.3"
                            << "programmed by Anna Beispiel"
                            << QString::fromUtf8(" Info \u00fcber Velmarit")
                            << "Programm:     Velmarit"
                            << "mailto :           info@example.org";
    QTest::newRow("English") << &en << "Rel. 2.0.3"
                             << "programmed by Anna Beispiel"
                             << " About Velmarit"
                             << "Program:     Velmarit"
                             << "mailto :           info@example.org";
    QTest::newRow("Dutch") << &nl << "Rel. 2.0.3"
                           << "gemaakt door Anna Beispiel"
                           << " Over Velmarit"
                           << "Programma:     Velmarit"
                           << "mailto :           info@example.org";
    QTest::newRow("French") << &fr << "Version 2.0.3"
                            << QString::fromUtf8("programm\u00e9 par Anna Beispiel")
                            << QString::fromUtf8(" \u00c0 propos de Velmarit")
                            << QString::fromUtf8("Programme\u00a0:     Velmarit")
                            << QString::fromUtf8("mailto\u00a0:           info@example.org");
}

// The information box, release and credit as the page says them in each
// language, with the build's values.
void ProgramInfoTest::inEachLanguage()
{
    QFETCH(const velmarit::Texts *, language);
    QFETCH(QString, release);
    QFETCH(QString, credit);
    QFETCH(QString, title);
    QFETCH(QString, firstLine);
    QFETCH(QString, lastLine);
    const velmarit::ProgramInfo info = velmarit::makeProgramInfo(
        "Velmarit", 2, 0, 3, "Anna Beispiel", "Jo", "info@example.org", *language);
    QCOMPARE(info.releaseCaption, release);
    QCOMPARE(info.creditText, credit);
    QCOMPARE(info.creditHoverText, u' ' + credit + u' ');
    QCOMPARE(info.infoBoxTitle, title);
    const QStringList lines = info.infoBoxText.split(u'\n');
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines.first(), firstLine);
    QCOMPARE(lines.last(), lastLine);
}

QTEST_GUILESS_MAIN(ProgramInfoTest)
#include "programinfo_test.moc"
