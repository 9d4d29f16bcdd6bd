// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/sessionsignals.h"

namespace velmarit {

// Windows ends a session with WM_QUERYENDSESSION and WM_ENDSESSION, which Qt
// handles itself and reports as QCoreApplication::aboutToQuit; a GUI process
// gets no termination signal to watch.
void watchSessionSignals(QObject * /*context*/, std::function<void()> /*endSession*/) {}

} // namespace velmarit
