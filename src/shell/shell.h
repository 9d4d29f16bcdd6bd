// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace velmarit {

class FrmVelmarit;
class PrintCommands;

// Start-up and shut-down of the window, and its information box.
//
// The load step runs before the window is first shown: release caption,
// position from the position file, the credit texts. The unload step writes
// the window's position back when the window closes. The file's path is the
// only state kept between the two.
//
// The end of the desktop session ends the program like a close: a SIGTERM or
// SIGHUP, or Qt quitting the application on the session's behalf, closes the
// window, and the unload step writes the position once per run however many
// of these arrive.
class Shell : public QObject
{
    Q_OBJECT

public:
    // Keeps the position file in `programDir`, or in `configDir` when that
    // cannot be written (see positionfilelocation.h).
    Shell(FrmVelmarit *window, const QString &programDir, const QString &configDir);
    ~Shell() override;

    void Form_Load();
    void Form_Unload();

    // The information box: version, copyright and contact. A double click on
    // the window's background, a click on the credit picture and the
    // window's "Info über Velmarit…" show it. The shell speaks the window's
    // language.
    void showProgramInfo();

    // Closes any open box and the window, as the session ends.
    void endSession();

    // The window's printing commands (its context menu, Ctrl+P).
    void printTables();
    void previewTables();
    void saveTablesAsPdf();

private:
    // The printing commands, made on first use: a start pays nothing for
    // them, and the table choice lasts for the rest of the run.
    PrintCommands &printCommands();

    FrmVelmarit *m_window;
    QString m_programDir;
    QString m_configDir;
    QString m_positionFilePath;
    bool m_unloaded = false;
    std::unique_ptr<PrintCommands> m_printCommands;
};

// A window with its shell, as every start of the program puts them together:
// the shell, owned by the window, runs the load step before the window is
// first shown, and writes the position file when the window closes or the
// session ends. Without directories, the position file is kept beside the
// program (or in the user's configuration directory when the program's
// directory is read-only).
Shell *attachShell(FrmVelmarit *window);
Shell *attachShell(FrmVelmarit *window, const QString &programDir, const QString &configDir);

} // namespace velmarit
