// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/sessionsignals.h"

#include <QObject>
#include <QSocketNotifier>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <iterator>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace velmarit {

namespace {

// The write end of the socket pair of the watch that receives the signals;
// the handler writes one byte there, and only write(2), which is
// async-signal-safe. -1 while nobody watches.
std::atomic<int> wakeFd{-1};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void wakeEventLoop(int /*signal*/)
{
    const int savedErrno = errno;
    const int fd = wakeFd.load();
    const char byte = 1;
    // Non-blocking: with the buffer full a wake-up is already pending.
    if (fd >= 0) {
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
    errno = savedErrno;
}

// The two signals and what they did before the first watch began; the last
// watch to end puts that back. A SIGHUP the starter ignored (`nohup`) stays
// ignored throughout: the user asked for the program to outlive its terminal.
constexpr int kSessionSignals[] = {SIGTERM, SIGHUP};
struct sigaction inheritedActions[std::size(kSessionSignals)];

void watchSignals()
{
    struct sigaction action = {};
    action.sa_handler = wakeEventLoop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSessionSignals); ++i) {
        const int signal = kSessionSignals[i];
        ::sigaction(signal, nullptr, &inheritedActions[i]);
        if (signal == SIGHUP && inheritedActions[i].sa_handler == SIG_IGN)
            continue;
        ::sigaction(signal, &action, nullptr);
    }
}

void restoreInheritedActions()
{
    for (std::size_t i = 0; i < std::size(kSessionSignals); ++i)
        ::sigaction(kSessionSignals[i], &inheritedActions[i], nullptr);
}

// One watch: its own socket pair, read by the event loop. Each watch owns
// its pair, so a byte the handler wrote for one never wakes another. Of the
// live watches (a test may run two windows), the newest receives the
// signals; when the last one goes, the signals do again what they did
// before the first watch began.
class SessionSignalWatch : public QObject
{
public:
    SessionSignalWatch(QObject *context, std::function<void()> endSession, const int fds[2])
        : QObject(context), m_readFd(fds[0]), m_writeFd(fds[1]), m_endSession(std::move(endSession))
    {
        m_notifier = new QSocketNotifier(m_readFd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, [this] {
            char buffer[64];
            bool woken = false;
            while (::read(m_readFd, buffer, sizeof buffer) > 0)
                woken = true;
            if (woken)
                m_endSession();
        });
        live().push_back(this);
        wakeFd.store(m_writeFd);
        if (live().size() == 1)
            watchSignals();
    }

    ~SessionSignalWatch() override
    {
        auto &watches = live();
        watches.erase(std::find(watches.begin(), watches.end(), this));
        if (watches.empty()) {
            // The inherited actions first: a signal arriving now does what
            // it did before the program watched (by default, end the
            // process) instead of writing into a pair about to be closed.
            restoreInheritedActions();
            wakeFd.store(-1);
        } else {
            wakeFd.store(watches.back()->m_writeFd);
        }
        // The notifier must let go of the descriptor before it is closed.
        delete m_notifier;
        ::close(m_readFd);
        ::close(m_writeFd);
    }

    SessionSignalWatch(const SessionSignalWatch &) = delete;
    SessionSignalWatch &operator=(const SessionSignalWatch &) = delete;

private:
    // The event loop's thread is the only one that creates and ends watches.
    static std::vector<SessionSignalWatch *> &live()
    {
        static std::vector<SessionSignalWatch *> watches;
        return watches;
    }

    int m_readFd;
    int m_writeFd;
    QSocketNotifier *m_notifier;
    std::function<void()> m_endSession;
};

} // namespace

void watchSessionSignals(QObject *context, std::function<void()> endSession)
{
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, fds) != 0)
        return; // the program still ends on the signal, only without saving
    new SessionSignalWatch(context, std::move(endSession), fds);
}

} // namespace velmarit
