// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A program directory that cannot be written, in a test program of its own:
// where the system offers no way to make one, the case is skipped, and ctest
// shows it as not run rather than passed.

#include "filebytes.h"
#include "program.h"
#include "readonlydirectory.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class ReadOnlyProgramDirTest : public QObject
{
    Q_OBJECT

private slots:
    void readOnlyProgramDirectory();
};

void ReadOnlyProgramDirTest::readOnlyProgramDirectory()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("program"));
    const QString programDir = dir.filePath("program");
    const QString configDir = dir.filePath("home/.config/Velmarit");
    QVERIFY(writeBytes(programDir + "/Velmarit.ini", "[Position]\r\n 1440 \r\n 720 \r\n"));

    ReadOnlyDirectory readOnly(programDir);
    if (!readOnly.isReadOnly())
        QSKIP("this system offers no way to make a directory read-only for this user");
    {
        // Started from a read-only place, the old file still gives the position;
        // the close keeps the new one in the configuration directory.
        Program program(programDir, configDir);
        QCOMPARE(program.window->pos(), QPoint(96, 48));
        QCOMPARE(program.shell->positionFilePath(), configDir + "/Velmarit.ini");
        program.window->move(-20, 1);
        program.window->close();
    }
    QCOMPARE(fileBytes(configDir + "/Velmarit.ini"), QByteArray("[Position]\r\n-300 \r\n 15 \r\n"));
    QCOMPARE(fileBytes(programDir + "/Velmarit.ini"),
             QByteArray("[Position]\r\n 1440 \r\n 720 \r\n"));

    Program again(programDir, configDir);
    QCOMPARE(again.window->pos(), QPoint(-20, 1));
}

QTEST_MAIN(ReadOnlyProgramDirTest)
#include "readonlyprogramdir_test.moc"
