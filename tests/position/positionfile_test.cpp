// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "filebytes.h"
#include "position/positionfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using velmarit::WindowPosition;

Q_DECLARE_METATYPE(WindowPosition)

class PositionFileTest : public QObject
{
    Q_OBJECT

private slots:
    void format_data();
    void format();
    void writeThenRead_data();
    void writeThenRead();
    void parseLooseForms_data();
    void parseLooseForms();
    void parseTruncated();

    void readMissingOrNotAFile();
    void readLongFiles();
    void failedWriteKeepsOldFile();
    void writeOverDirectoryFails();
    void writeOnlyOverFiles_data();
    void writeOnlyOverFiles();
};

void PositionFileTest::format_data()
{
    QTest::addColumn<WindowPosition>("position");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("first run") << WindowPosition{0, 0}
                               << QByteArray("[Position]\r\n 0 \r\n 0 \r\n");
    QTest::newRow("1440, 720") << WindowPosition{1440, 720}
                               << QByteArray("[Position]\r\n 1440 \r\n 720 \r\n");
    // A negative number takes the place of the leading blank with its sign.
    QTest::newRow("-300, 15") << WindowPosition{-300, 15}
                              << QByteArray("[Position]\r\n-300 \r\n 15 \r\n");
    QTest::newRow("32-bit extremes")
        << WindowPosition{-2147483647 - 1, 2147483647}
        << QByteArray("[Position]\r\n-2147483648 \r\n 2147483647 \r\n");
}

void PositionFileTest::format()
{
    QFETCH(WindowPosition, position);
    QFETCH(QByteArray, bytes);
    QCOMPARE(velmarit::formatPositionFile(position), bytes);
    QCOMPARE(velmarit::parsePositionFile(bytes), position);
}

void PositionFileTest::writeThenRead_data()
{
    format_data();
}

void PositionFileTest::writeThenRead()
{
    QFETCH(WindowPosition, position);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("Velmarit.ini");

    // A longer old file is replaced whole, not overwritten in place.
    QVERIFY(writeBytes(path, "[Position]\r\n 15 \r\n 15 \r\n" + QByteArray(100, 'x')));
    QVERIFY(velmarit::writePositionFile(path, position));
    QCOMPARE(fileBytes(path), bytes);
    QCOMPARE(velmarit::readPositionFile(path), position);
}

void PositionFileTest::parseLooseForms_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<WindowPosition>("expected");

    QTest::newRow("no blanks") << QByteArray("[Position]\r\n1440\r\n720\r\n")
                               << WindowPosition{1440, 720};
    QTest::newRow("several blanks and tabs")
        << QByteArray("[Position]\r\n \t 1440\t\t\r\n   720   \r\n") << WindowPosition{1440, 720};
    QTest::newRow("LF line ends") << QByteArray("[Position]\n 1440 \n 720 \n")
                                  << WindowPosition{1440, 720};
    QTest::newRow("CR line ends") << QByteArray("[Position]\r 1440 \r 720 \r")
                                  << WindowPosition{1440, 720};
    QTest::newRow("no line end after line 3")
        << QByteArray("[Position]\r\n 1440 \r\n 720") << WindowPosition{1440, 720};
    QTest::newRow("other header") << QByteArray("[Fenster]\r\n 15 \r\n 30 \r\n")
                                  << WindowPosition{15, 30};
    QTest::newRow("empty first line")
        << QByteArray("\r\n 15 \r\n 30 \r\n") << WindowPosition{15, 30};
    QTest::newRow("first line with a byte-order mark and garbage")
        << QByteArray("\xef\xbb\xbf\x01\xff junk\r\n 15 \r\n 30 \r\n") << WindowPosition{15, 30};
    QTest::newRow("fourth and further lines ignored")
        << QByteArray("[Position]\r\n 1440 \r\n 720 \r\nnot a number\r\n\x00\xff\r\n")
        << WindowPosition{1440, 720};
    QTest::newRow("explicit plus, negative top")
        << QByteArray("[Position]\r\n+300\r\n-45\r\n") << WindowPosition{300, -45};
    QTest::newRow("leading zeros, minus zero")
        << QByteArray("[Position]\r\n 0015 \r\n-0 \r\n") << WindowPosition{15, 0};
    // Fractions of a twip round to the nearest whole twip, a half to even.
    QTest::newRow("half rounds to even")
        << QByteArray("[Position]\r\n 1440.5 \r\n 1441.5 \r\n") << WindowPosition{1440, 1442};
    QTest::newRow("negative half, just above half")
        << QByteArray("[Position]\r\n-2.5\r\n 7.5001\r\n") << WindowPosition{-2, 8};
    QTest::newRow("below half, bare fraction")
        << QByteArray("[Position]\r\n 0.4999\r\n.6\r\n") << WindowPosition{0, 1};
    QTest::newRow("trailing point")
        << QByteArray("[Position]\r\n 15.\r\n 30.0 \r\n") << WindowPosition{15, 30};
}

void PositionFileTest::parseLooseForms()
{
    QFETCH(QByteArray, bytes);
    QFETCH(WindowPosition, expected);
    QCOMPARE(velmarit::parsePositionFile(bytes), expected);
}

void PositionFileTest::parseTruncated()
{
    // A cut-off file may only be read when its third line ended before the cut.
    const QByteArray complete("[Position]\r\n 1440 \r\n 720 \r\n");
    QCOMPARE(velmarit::parsePositionFile(complete + "more", true), (WindowPosition{1440, 720}));
    QCOMPARE(velmarit::parsePositionFile("[Position]\r\n 1440 \r\n 72", true), std::nullopt);
}

void PositionFileTest::readMissingOrNotAFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    QCOMPARE(velmarit::readPositionFile(dir.filePath("Velmarit.ini")), std::nullopt);
    QCOMPARE(velmarit::readPositionFile(QString()), std::nullopt);

    QVERIFY(QDir(dir.path()).mkdir("Velmarit.ini"));
    QCOMPARE(velmarit::readPositionFile(dir.filePath("Velmarit.ini")), std::nullopt);

    // Opening a pipe for reading would wait for a writer for ever.
    const QString fifo = dir.filePath("fifo.ini");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QCOMPARE(velmarit::readPositionFile(fifo), std::nullopt);
}

void PositionFileTest::readLongFiles()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("Velmarit.ini");

    // Whatever follows line 3 is never read, however much of it there is.
    QVERIFY(writeBytes(path, "[Position]\r\n-300 \r\n 15 \r\n" + QByteArray(8 << 20, 'x')));
    QCOMPARE(velmarit::readPositionFile(path), (WindowPosition{-300, 15}));

    // A first line longer than anything the reader takes in gives nothing.
    QVERIFY(writeBytes(path, QByteArray(1 << 20, 'x') + "\r\n 1440 \r\n 720 \r\n"));
    QCOMPARE(velmarit::readPositionFile(path), std::nullopt);

    QVERIFY(writeBytes(path, QByteArray(8 << 20, '7')));
    QCOMPARE(velmarit::readPositionFile(path), std::nullopt);
}

void PositionFileTest::failedWriteKeepsOldFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("Velmarit.ini");
    const QByteArray old("[Position]\r\n 1440 \r\n 720 \r\n");
    QVERIFY(writeBytes(path, old));

    // A file-size limit of a few bytes makes the write fail part-way, as a
    // full disk would. Rewriting the file in place would leave it cut off.
    rlimit saved{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = 8;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    const bool written = velmarit::writePositionFile(path, {-300, 15});
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!written);
    QCOMPARE(fileBytes(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Velmarit.ini"});
}

void PositionFileTest::writeOverDirectoryFails()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir("Velmarit.ini"));
    QVERIFY(!velmarit::writePositionFile(dir.filePath("Velmarit.ini"), {15, 15}));
    QVERIFY(QFileInfo(dir.filePath("Velmarit.ini")).isDir());
    QVERIFY(!velmarit::writePositionFile(QString(), {15, 15}));
}

void PositionFileTest::writeOnlyOverFiles_data()
{
    QTest::addColumn<QString>("kind"); // what Velmarit.ini is
    // The device is a copy of /dev/null: linking the file to that is how it
    // is switched off.
    for (const char *kind : {"pipe", "link to a pipe", "link to a device", "link to a file"})
        QTest::newRow(kind) << QString(kind);
}

// Only an ordinary file is replaced; a link to one is written through and
// stays a link. Anything else keeps its kind, and no file appears.
void PositionFileTest::writeOnlyOverFiles()
{
    QFETCH(QString, kind);
    const bool link = kind.startsWith("link");
    const QString target = kind.section(' ', -1); // what it is, or points to
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString ini = dir.filePath("Velmarit.ini");
    const QString made = link ? dir.filePath("target") : ini;
    const QByteArray name = QFile::encodeName(made);
    if (target == "pipe")
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
    else if (target == "file")
        QVERIFY(writeBytes(made, "[Position]\r\n 15 \r\n 15 \r\n"));
    else if (::mknod(name.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        QSKIP("making a device node needs the right to (CAP_MKNOD)");
    if (link)
        QVERIFY(QFile::link(made, ini));
    struct stat before = {};
    QCOMPARE(::stat(name.constData(), &before), 0);
    const QStringList entries = entriesOf(dir.path());

    const bool written = velmarit::writePositionFile(ini, {1440, 720});

    QCOMPARE(written, target == "file");
    QCOMPARE(QFileInfo(ini).isSymLink(), link);
    struct stat after = {};
    QCOMPARE(::stat(name.constData(), &after), 0);
    QCOMPARE(after.st_mode & S_IFMT, before.st_mode & S_IFMT);
    QCOMPARE(after.st_rdev, before.st_rdev);
    QCOMPARE(entriesOf(dir.path()), entries);
    if (written)
        QCOMPARE(fileBytes(ini), QByteArray("[Position]\r\n 1440 \r\n 720 \r\n"));
}

QTEST_GUILESS_MAIN(PositionFileTest)
#include "positionfile_test.moc"
