// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "position/positionfilelocation.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using velmarit::PositionFileLocation;

class PositionFileLocationTest : public QObject
{
    Q_OBJECT

private slots:
    void choose_data();
    void choose();
    void writableDirectories();
};

void PositionFileLocationTest::choose_data()
{
    QTest::addColumn<QString>("programDir");
    QTest::addColumn<bool>("programDirWritable");
    QTest::addColumn<QString>("configDir");
    QTest::addColumn<bool>("configFileExists");
    QTest::addColumn<QString>("readPath");
    QTest::addColumn<QString>("writePath");

    const QString prog = "/opt/velmarit";
    const QString conf = "/home/anna/.config/Velmarit";
    const QString beside = prog + "/Velmarit.ini";
    const QString inConf = conf + "/Velmarit.ini";

    // A writable program directory always keeps the file beside the program,
    // even when an older one exists in the configuration directory.
    QTest::newRow("writable") << prog << true << conf << false << beside << beside;
    QTest::newRow("writable, config file too") << prog << true << conf << true << beside << beside;
    QTest::newRow("read-only, first run") << prog << false << conf << false << beside << inConf;
    QTest::newRow("read-only, config file exists")
        << prog << false << conf << true << inConf << inConf;
    QTest::newRow("read-only, no config dir")
        << prog << false << QString() << false << beside << beside;
    QTest::newRow("no program dir") << QString() << false << conf << false << inConf << inConf;
    QTest::newRow("nothing known")
        << QString() << false << QString() << false << QString() << QString();
}

void PositionFileLocationTest::choose()
{
    QFETCH(QString, programDir);
    QFETCH(bool, programDirWritable);
    QFETCH(QString, configDir);
    QFETCH(bool, configFileExists);
    QFETCH(QString, readPath);
    QFETCH(QString, writePath);

    QCOMPARE(velmarit::choosePositionFileLocation(programDir, programDirWritable, configDir,
                                                  configFileExists),
             (PositionFileLocation{readPath, writePath}));
}

void PositionFileLocationTest::writableDirectories()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(velmarit::isDirectoryWritable(dir.path()));
    QVERIFY(!velmarit::isDirectoryWritable(dir.filePath("missing")));
    QVERIFY(!velmarit::isDirectoryWritable(QString()));

    QFile file(dir.filePath("plain"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(!velmarit::isDirectoryWritable(file.fileName()));
}

QTEST_GUILESS_MAIN(PositionFileLocationTest)
#include "positionfilelocation_test.moc"
