// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/shell.h"

#include "language/qtexts.h"
#include "platform/qtplatform.h"
#include "position/positionfile.h"
#include "position/positionfilelocation.h"
#include "position/windowplacement.h"
#include "print/printcommands.h"
#include "shell/infobox.h"
#include "shell/programinfo.h"
#include "shell/sessionsignals.h"
#include "ui/creditmark.h"
#include "ui/frmvelmarit.h"
#include "ui/layout.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QScreen>

namespace velmarit {

namespace {

QList<QRect> screenGeometries()
{
    QList<QRect> rects;
    for (const QScreen *screen : QGuiApplication::screens())
        rects.append(screen->geometry());
    return rects;
}

bool keepPosition(const QString &path, WindowPosition position)
{
    const QFileInfo target(path);
    if (!path.isEmpty() && !target.dir().exists())
        QDir().mkpath(target.absolutePath());
    return writePositionFile(path, position);
}

} // namespace

Shell *attachShell(FrmVelmarit *window)
{
    return attachShell(window, defaultProgramDir(), defaultConfigDir());
}

Shell *attachShell(FrmVelmarit *window, const QString &programDir, const QString &configDir)
{
    auto *shell = new Shell(window, programDir, configDir);
    shell->Form_Load();
    return shell;
}

Shell::Shell(FrmVelmarit *window, const QString &programDir, const QString &configDir)
    : QObject(window), m_window(window), m_programDir(programDir), m_configDir(configDir)
{
    connect(window, &FrmVelmarit::closing, this, &Shell::Form_Unload);
    for (const auto signal : {&FrmVelmarit::backgroundDoubleClicked, &FrmVelmarit::copyrightClicked,
                              &FrmVelmarit::infoRequested})
        connect(window, signal, this, &Shell::showProgramInfo);
    connect(window, &FrmVelmarit::printRequested, this, &Shell::printTables);
    connect(window, &FrmVelmarit::previewRequested, this, &Shell::previewTables);
    connect(window, &FrmVelmarit::savePdfRequested, this, &Shell::saveTablesAsPdf);
    // Qt quits without closing the window when Windows ends the session, and
    // may do so for a session manager's request elsewhere.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &Shell::endSession);
    watchSessionSignals(this, [this] { endSession(); });
}

Shell::~Shell() = default;

void Shell::Form_Load()
{
    // The window has its one fixed client size from the layout; the outer
    // size, with the frame the window manager draws, tells whether a saved
    // position can be reached.
    const QSize outerSize(layout::twipsToPixels(layout::outerWidthTwips),
                          layout::twipsToPixels(layout::outerHeightTwips));

    const ProgramInfo info = programInfo(m_window->texts());
    m_window->showRelease(info.releaseCaption);

    const PositionFileLocation location = locatePositionFile(m_programDir, m_configDir);
    m_positionFilePath = location.writePath;

    // An unreadable file is treated like a missing one: the window opens in
    // the corner, and the next close writes a good file.
    WindowPosition saved = readPositionFile(location.readPath).value_or(WindowPosition{});
    // A position saved on a monitor that is gone would leave the window
    // where nobody can reach it; partly off-screen is fine.
    if (!isReachableOnAnyScreen(pixelsFromPosition(saved), outerSize, screenGeometries()))
        saved = WindowPosition{};
    m_window->move(pixelsFromPosition(saved));

    m_window->showCredit(info.creditText, info.creditHoverText);
}

void Shell::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    // Where the platform cannot tell where the window stands (Wayland), the
    // saved position is worth more than a guess: the file is left as it is.
    if (!platformKnowsWindowPosition(QGuiApplication::platformName()))
        return;
    // Nothing here may keep the program from ending: a write that fails is
    // let go once it has been said.
    const WindowPosition position = positionFromPixels(m_window->frameGeometry().topLeft());
    if (keepPosition(m_positionFilePath, position))
        return;
    // Something that is no file (a link to /dev/null, a pipe, a folder)
    // switches the position off on purpose; with no place at all there is
    // nothing to keep it in.
    const QFileInfo target(m_positionFilePath);
    if (m_positionFilePath.isEmpty() || (target.exists() && !target.isFile()))
        return;
    // The file beside the program was made unwritable during the run (by a
    // run as root, say): the per-user file takes the position, as it does
    // when that is so at the start.
    const QString perUser = positionFileIn(m_configDir);
    if (perUser != m_positionFilePath && keepPosition(perUser, position))
        return;
    qWarning().noquote() << filled(m_window->texts().window.positionNotSaved,
                                   {{"path", QDir::toNativeSeparators(m_positionFilePath)}});
}

void Shell::endSession()
{
    if (m_unloaded)
        return;
    // An open information box would keep the program running after its
    // window closed.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *widget : windows)
        if (widget != m_window && widget->isVisible())
            widget->close();
    m_window->close();
}

PrintCommands &Shell::printCommands()
{
    if (!m_printCommands)
        m_printCommands = std::make_unique<PrintCommands>(m_window->texts());
    return *m_printCommands;
}

void Shell::printTables()
{
    printCommands().print(m_window);
}

void Shell::previewTables()
{
    printCommands().preview(m_window);
}

void Shell::saveTablesAsPdf()
{
    printCommands().savePdf(m_window);
}

void Shell::showProgramInfo()
{
    showInfoBox(m_window, m_window->texts());
}

} // namespace velmarit
