// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "texts/texts.h"

#include <QByteArray>
#include <QString>
#include <QVersionNumber>

#include <string>

// Which Qt platform the programs ask for, and whether it can show a window.
// What differs between the platforms (a display server to ask on Linux, a
// desktop in every Windows session) is in qtplatform_unix.cpp and
// qtplatform_win.cpp; CMake picks one.
namespace velmarit {

// Qt's own command-line options that choose the display, as Qt reads them:
// -platform NAME, which every Qt program takes, and -display NAME, which
// the X11 platform takes from what is left; "--platform" is "-platform",
// and the last of each counts. Empty where not given; `platformValue` is the
// index of -platform's value in argv (0 when there is none).
struct DisplayOptions
{
    std::string platform;
    int platformValue = 0;
    std::string display;

    friend bool operator==(const DisplayOptions &, const DisplayOptions &) = default;
};
DisplayOptions displayOptions(int argc, const char *const *argv);

// Called with the program's command line before the application object
// exists. Qt aborts with a terse message when the display it needs is
// missing, and waits for ever on an X server that accepts the connection
// but never answers; the program asks first, the way Qt will connect, where
// Qt will look (-platform or QT_QPA_PLATFORM, -display or DISPLAY,
// WAYLAND_DISPLAY), and returns why no window can be shown as one line for
// the console in `language`. Otherwise it returns an empty text and has chosen
// the platform: as preferredPlatform advises, and without an X server that
// failed when a Wayland compositor answers instead. A platform the user
// names is respected: one that needs no display (offscreen) is never
// refused.
std::string prepareDisplay(int argc, char **argv, const Texts &language = texts::german);

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
