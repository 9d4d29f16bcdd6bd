// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "position/installlocation.h"
#include "position/positionfilelocation.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using velmarit::PositionFileLocation;

class InstallLocationTest : public QObject
{
    Q_OBJECT

private slots:
    void systemProgramDir_data();
    void systemProgramDir();
    void positionFileOfInstalledProgram();
};

void InstallLocationTest::systemProgramDir_data()
{
    QTest::addColumn<QString>("programDir");
    QTest::addColumn<QString>("installBinDir");
    QTest::addColumn<bool>("system");

    const QString usrBin = "/usr/bin";
    QTest::newRow("distribution package") << "/usr/bin" << usrBin << true;
    QTest::newRow("local administrator's") << "/usr/local/bin" << usrBin << true;
    QTest::newRow("/bin of a merged /usr") << "/bin" << usrBin << true;
    QTest::newRow("spelt with ..") << "/usr/local/../bin" << usrBin << true;
    QTest::newRow("install rules' own prefix")
        << "/opt/velmarit/bin" << "/opt/velmarit/bin" << true;
    QTest::newRow("unpacked below /opt") << "/opt/velmarit/bin" << usrBin << false;
    QTest::newRow("build tree below /usr/src")
        << "/usr/src/velmarit/build/default/bin" << usrBin << false;
    QTest::newRow("build tree at home")
        << "/home/anna/Eigene Dateien/velmarit/build/dev/bin" << usrBin << false;
    QTest::newRow("unknown") << QString() << usrBin << false;
}

void InstallLocationTest::systemProgramDir()
{
    QFETCH(QString, programDir);
    QFETCH(QString, installBinDir);
    QFETCH(bool, system);
    QCOMPARE(velmarit::isSystemProgramDir(programDir, installBinDir), system);
}

// The superuser can write /usr/bin, yet an installed program keeps its
// position in the user's own file; a program in a folder of its own keeps it
// beside itself.
void InstallLocationTest::positionFileOfInstalledProgram()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString config = dir.filePath("home/.config/Velmarit");
    const QString inConfig = config + "/Velmarit.ini";

    QCOMPARE(velmarit::locatePositionFile("/usr/bin", config),
             (PositionFileLocation{inConfig, inConfig}));
    QCOMPARE(velmarit::locatePositionFile("/usr/bin", QString()), PositionFileLocation{});
    const QString beside = dir.filePath("Velmarit.ini");
    QCOMPARE(velmarit::locatePositionFile(dir.path(), config),
             (PositionFileLocation{beside, beside}));
}

QTEST_GUILESS_MAIN(InstallLocationTest)
#include "installlocation_test.moc"
