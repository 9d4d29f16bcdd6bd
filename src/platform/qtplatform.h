// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QVersionNumber>

#include <string>

// Which Qt platform the programs ask for, and whether it can show a window.
// What differs between the platforms (a display server to ask on Linux, a
// desktop in every Windows session) is in qtplatform_unix.cpp and
// qtplatform_win.cpp; CMake picks one.
namespace velmarit {

// Why no window can be shown, as one German line for the console, or an
// empty text when one can. Qt aborts with a terse message when the display
// it needs is missing or does not answer; the program asks first, the way
// Qt will connect, and says what is missing. A platform the user names in
// QT_QPA_PLATFORM is respected: one that needs no display (offscreen) is
// never refused.
std::string missingDisplay();

// The Qt platform to ask for, from the environment the program starts in
// (the values of QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY), or an empty
// value to leave the choice to Qt.
//
// A Wayland client can neither place its window nor learn where it stands,
// so the window position could not be kept there. A Wayland desktop that
// also runs an X server for older programs (XWayland; DISPLAY is then set)
// lets the program keep its position through X11, so X11 is asked for
// first, with Wayland as the fallback when the X server does not answer. A
// platform the user names in QT_QPA_PLATFORM is always kept.
QByteArray preferredPlatform(const QByteArray &qpaPlatform, const QByteArray &display,
                             const QByteArray &waylandDisplay);

// Sets QT_QPA_PLATFORM for this process as preferredPlatform advises; call
// before the application object is created.
void choosePreferredPlatform();

// Whether the window's position on the screen is known on the platform Qt
// runs on (QGuiApplication::platformName()). It is not on Wayland: the
// compositor places the window and never tells the client where, so the
// position Qt reports there is only what the program last asked for.
bool platformKnowsWindowPosition(const QString &platformName);

// Whether the process should end as soon as its event loop returns, without
// tearing the application object down. Qt 6.4's Wayland client can deadlock
// in that teardown (the main thread waits for the Wayland event thread, which
// waits for a read the main thread never finishes), and the program would
// then never end. Everything worth keeping is saved by then. `qtVersion` is
// the Qt the program runs with (QLibraryInfo::version()), which a system
// update can change without a rebuild; a Qt past the fault ends normally.
bool platformNeedsQuickExit(const QString &platformName, const QVersionNumber &qtVersion);

// Called before the application object exists. Writing a PDF needs fonts but
// no screen: where the platform needs a display, pick one that does not, so
// the PDF can be made on a console, over SSH or on a print server. A platform
// the user chose (QT_QPA_PLATFORM, -platform) is kept.
void preparePdfPlatform();

} // namespace velmarit
