// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The position file through the Windows file system: folder names with
// umlauts and blanks, the Linux build's malformed files, the atomic replace
// when another program holds the file open, the folder probe and %APPDATA%.

#include "../position/filebytes.h"
#include "../position/malformedpositionfiles.h"
#include "position/positionfile.h"
#include "position/positionfilelocation.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

#include <cctype>

#include <windows.h>

using namespace velmarit;

namespace {

// A user's folder as Windows users name them.
QString umlautFolder(const QTemporaryDir &root)
{
    const QString path = root.filePath(QStringLiteral("Jürgen Müller/Modellbahn/Velmarit"));
    QDir().mkpath(path);
    return path;
}

std::wstring native(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

} // namespace

TEST(WindowsPositionFile, UmlautFolderRoundTripWritesTheLinuxBytes)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString ini = QDir(umlautFolder(root)).filePath(QStringLiteral("Velmarit.ini"));

    const struct
    {
        WindowPosition position;
        QByteArray bytes;
    } cases[] = {
        {{0, 0}, "[Position]\r\n 0 \r\n 0 \r\n"},
        {{1440, 720}, "[Position]\r\n 1440 \r\n 720 \r\n"},
        {{-300, 15}, "[Position]\r\n-300 \r\n 15 \r\n"},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(writePositionFile(ini, c.position));
        EXPECT_EQ(fileBytes(ini), c.bytes);
        EXPECT_EQ(readPositionFile(ini), c.position);
    }
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(QDir(QFileInfo(ini).absolutePath()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Velmarit.ini")});
}

TEST(WindowsPositionFile, LockedFileKeepsItsOldBytes)
{
    QTemporaryDir root;
    const QString ini = QDir(umlautFolder(root)).filePath(QStringLiteral("Velmarit.ini"));
    ASSERT_TRUE(writePositionFile(ini, {1440, 720}));

    // Another program (an editor, a virus scanner) holds the file open
    // without sharing it: the replace fails and the old file stays whole.
    const HANDLE held = CreateFileW(native(ini).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(writePositionFile(ini, {15, 30}));
    CloseHandle(held);
    EXPECT_EQ(fileBytes(ini), QByteArray("[Position]\r\n 1440 \r\n 720 \r\n"));
    EXPECT_EQ(QDir(QFileInfo(ini).absolutePath()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Velmarit.ini")});
}

class MalformedWindowsFile : public testing::TestWithParam<int>
{};

TEST_P(MalformedWindowsFile, GivesNoPosition)
{
    const auto row = malformedPositionFiles().at(GetParam());
    SCOPED_TRACE(row.first);
    QTemporaryDir root;
    const QString ini = QDir(umlautFolder(root)).filePath(QStringLiteral("Velmarit.ini"));
    ASSERT_TRUE(writeBytes(ini, row.second));
    EXPECT_EQ(readPositionFile(ini), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(LinuxTable, MalformedWindowsFile,
                         testing::Range(0, int(malformedPositionFiles().size())),
                         [](const auto &info) {
                             std::string name = malformedPositionFiles().at(info.param).first;
                             for (char &c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             }
                             return name;
                         });

TEST(WindowsFolders, ProbeAnswersAndLeavesNothingBehind)
{
    QTemporaryDir root;
    const QString folder = umlautFolder(root);
    EXPECT_TRUE(isDirectoryWritable(folder));
    EXPECT_TRUE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                    .isEmpty());
    EXPECT_FALSE(isDirectoryWritable(QDir(folder).filePath(QStringLiteral("fehlt"))));
    EXPECT_FALSE(isDirectoryWritable(QString()));
    const QString file = QDir(folder).filePath(QStringLiteral("Velmarit.ini"));
    ASSERT_TRUE(writeBytes(file, "x"));
    EXPECT_FALSE(isDirectoryWritable(file));
}

TEST(WindowsFolders, PerUserFolderIsInAppData)
{
    const QString appData = QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA"));
    ASSERT_FALSE(appData.isEmpty());
    EXPECT_EQ(QDir::cleanPath(userSettingsBaseDir()).toLower(), QDir::cleanPath(appData).toLower());
    EXPECT_EQ(defaultConfigDir(), QDir(userSettingsBaseDir()).filePath(QStringLiteral("Velmarit")));
}

TEST(WindowsFolders, ReadOnlyProgramFolderSendsTheFileToAppData)
{
    // Whether the program's folder can be written is the probe's answer;
    // the choice that follows is the same as on Linux.
    const QString program = QStringLiteral("C:/Program Files/Velmarit");
    const QString config = defaultConfigDir();
    EXPECT_EQ(choosePositionFileLocation(program, false, config, false).writePath,
              config + QStringLiteral("/Velmarit.ini"));
}

// A Velmarit.ini this user may not write, in a folder that can be written
// (the read-only attribute, or one left by another account): the per-user
// file takes the position. One that another program holds open is still
// the user's to write.
TEST(WindowsFolders, UnwritableFileBesideTheProgramSendsTheFileToAppData)
{
    QTemporaryDir root;
    const QString folder = umlautFolder(root);
    const QString ini = QDir(folder).filePath(QStringLiteral("Velmarit.ini"));
    const QString config = QDir(root.path()).filePath(QStringLiteral("AppData/Velmarit"));
    const QString inConfig = config + QStringLiteral("/Velmarit.ini");
    ASSERT_TRUE(writeBytes(ini, "[Position]\r\n 1440 \r\n 720 \r\n"));
    EXPECT_TRUE(isFileWritable(ini));
    EXPECT_EQ(locatePositionFile(folder, config).writePath, ini);

    ASSERT_TRUE(SetFileAttributesW(native(ini).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(isFileWritable(ini));
    EXPECT_EQ(locatePositionFile(folder, config), (PositionFileLocation{ini, inConfig}));
    ASSERT_TRUE(SetFileAttributesW(native(ini).c_str(), FILE_ATTRIBUTE_NORMAL));

    const HANDLE held = CreateFileW(native(ini).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(isFileWritable(ini));
    CloseHandle(held);
}
