// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

class QObject;

namespace velmarit {

// Calls `endSession` from the event loop when the desktop session tells the
// process to end by a signal: on Unix SIGTERM (a session or service manager
// stopping its processes at logout) and SIGHUP (the session's terminal or
// connection going away). The signal handler itself only wakes the event
// loop; `endSession` runs as an ordinary event, where closing windows and
// writing files is safe. A SIGHUP that the process inherited as ignored
// (started with `nohup`) stays ignored. The watch ends with `context`; once
// no watch is left, the two signals do again what they did before the first
// watch began (by default, end the process).
//
// Windows sends a process no such signals; it ends a session with a window
// message that Qt turns into QCoreApplication::aboutToQuit, which the caller
// handles on every platform. There this does nothing.
void watchSessionSignals(QObject *context, std::function<void()> endSession);

} // namespace velmarit
