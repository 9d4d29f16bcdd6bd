// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A program directory where the position file cannot be written, in a test
// program of its own: where the system offers no way to make a path
// read-only, the case is skipped, and ctest shows it as not run rather than
// passed.

#include "filebytes.h"
#include "program.h"
#include "readonlypath.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

class ReadOnlyProgramDirTest : public QObject
{
    Q_OBJECT

private slots:
    void readOnlyPlace_data();
    void readOnlyPlace();
};

void ReadOnlyProgramDirTest::readOnlyPlace_data()
{
    QTest::addColumn<QString>("readOnly"); // what is made read-only
    QTest::addColumn<bool>("whileRunning");

    QTest::newRow("read-only folder") << "program" << false;
    // A file left by a run as root in the user's own folder.
    QTest::newRow("read-only file in a writable folder") << "program/Velmarit.ini" << false;
    QTest::newRow("file made read-only while the window is open") << "program/Velmarit.ini" << true;
}

void ReadOnlyProgramDirTest::readOnlyPlace()
{
    QFETCH(QString, readOnly);
    QFETCH(bool, whileRunning);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("program"));
    const QString programDir = dir.filePath("program");
    const QString configDir = dir.filePath("home/.config/Velmarit");
    const QByteArray old("[Position]\r\n 1440 \r\n 720 \r\n");
    QVERIFY(writeBytes(programDir + "/Velmarit.ini", old));

    std::optional<ReadOnlyPath> guard;
    const auto makeReadOnly = [&] { return guard.emplace(dir.filePath(readOnly)).isReadOnly(); };
    if (!whileRunning && !makeReadOnly())
        QSKIP("this system offers no way to make a path read-only for this user");
    {
        // Started from a read-only place, the old file still gives the position;
        // the close keeps the new one in the configuration directory, also
        // when the place became read-only only after the start.
        Program program(programDir, configDir);
        QCOMPARE(program.window->pos(), QPoint(96, 48));
        if (whileRunning && !makeReadOnly())
            QSKIP("this system offers no way to make a path read-only for this user");
        program.window->move(-20, 1);
        program.window->close();
    }
    QCOMPARE(fileBytes(configDir + "/Velmarit.ini"), QByteArray("[Position]\r\n-300 \r\n 15 \r\n"));
    QCOMPARE(fileBytes(programDir + "/Velmarit.ini"), old);

    Program again(programDir, configDir);
    QCOMPARE(again.window->pos(), QPoint(-20, 1));
}

QTEST_MAIN(ReadOnlyProgramDirTest)
#include "readonlyprogramdir_test.moc"
