// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the position file may live, on Windows.

#include "position/positionfilelocation.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

namespace velmarit {

bool isDirectoryWritable(const QString &dir)
{
    const QFileInfo info(dir);
    if (dir.isEmpty() || !info.isDir())
        return false;
    // The read-only attribute of a folder means nothing to Windows, and the
    // access rules that protect C:\Program Files are not visible as simple
    // flags: the only sure answer is to create a file there. It is hidden and
    // goes away on its own when the handle closes.
    const QString probe = QDir::toNativeSeparators(
        QDir(info.absoluteFilePath())
            .filePath(QStringLiteral(".velmarit-%1.tmp").arg(GetCurrentProcessId())));
    const HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t *>(probe.utf16()),
                                      GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY |
                                          FILE_FLAG_DELETE_ON_CLOSE,
                                      nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(handle);
    return true;
}

bool isFileWritable(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return false;
    // The writer refuses a file with the read-only attribute, whoever runs
    // it. What the access rules allow, only opening the file for writing
    // tells; opening it changes nothing while nothing is written. A program
    // that holds the file open says nothing about who may write it.
    const QString native = QDir::toNativeSeparators(info.absoluteFilePath());
    const DWORD attributes = GetFileAttributesW(reinterpret_cast<const wchar_t *>(native.utf16()));
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    const HANDLE handle =
        CreateFileW(reinterpret_cast<const wchar_t *>(native.utf16()), GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_SHARING_VIOLATION;
    CloseHandle(handle);
    return true;
}

QString userSettingsBaseDir()
{
    // %APPDATA%: settings roam with the user's profile.
    PWSTR path = nullptr;
    QString base;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &path)))
        base = QDir::fromNativeSeparators(QString::fromWCharArray(path));
    CoTaskMemFree(path);
    return base;
}

} // namespace velmarit
