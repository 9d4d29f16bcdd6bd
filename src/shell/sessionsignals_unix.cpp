// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/sessionsignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace velmarit {

namespace {

// A socket pair shared by every watch: the handler writes one byte into
// wakeFds[1], the event loop reads it from wakeFds[0]. Only write(2) is
// called in the handler; it is async-signal-safe.
int wakeFds[2] = {-1, -1};

extern "C" void wakeEventLoop(int /*signal*/)
{
    const int savedErrno = errno;
    const char byte = 1;
    // Non-blocking: with the buffer full a wake-up is already pending.
    [[maybe_unused]] const ssize_t written = ::write(wakeFds[1], &byte, 1);
    errno = savedErrno;
}

bool openWakeFds()
{
    if (wakeFds[0] >= 0)
        return true;
    return ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, wakeFds) == 0;
}

} // namespace

void watchSessionSignals(QObject *context, std::function<void()> endSession)
{
    if (!openWakeFds())
        return; // the program still ends on the signal, only without saving

    auto *notifier = new QSocketNotifier(wakeFds[0], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context,
                     [endSession = std::move(endSession)] {
                         char buffer[64];
                         bool woken = false;
                         while (::read(wakeFds[0], buffer, sizeof buffer) > 0)
                             woken = true;
                         if (woken)
                             endSession();
                     });

    struct sigaction action = {};
    action.sa_handler = wakeEventLoop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

} // namespace velmarit
