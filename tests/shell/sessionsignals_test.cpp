// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/sessionsignals.h"

#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

using velmarit::watchSessionSignals;

namespace {

// Runs `body` in a child process and returns its wait status: a signal's
// default action would end this test program itself.
template <typename Body> int statusOfChild(Body body)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        body();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

extern "C" void ownHandler(int) {}

// Handlers as numbers, which QCOMPARE can show.
quintptr address(void (*handler)(int))
{
    return reinterpret_cast<quintptr>(handler);
}

quintptr currentHandler(int signal)
{
    struct sigaction action = {};
    ::sigaction(signal, nullptr, &action);
    return address(action.sa_handler);
}

// Sets a signal's action for the life of the object, then puts back the one
// the test program had.
class SignalActionScope
{
public:
    SignalActionScope(int signal, void (*handler)(int)) : m_signal(signal)
    {
        struct sigaction action = {};
        action.sa_handler = handler;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, &m_previous);
    }
    ~SignalActionScope() { ::sigaction(m_signal, &m_previous, nullptr); }
    SignalActionScope(const SignalActionScope &) = delete;
    SignalActionScope &operator=(const SignalActionScope &) = delete;

private:
    int m_signal;
    struct sigaction m_previous = {};
};

} // namespace

class SessionSignalsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase_data();
    void signalEndsSession();
    void signalAfterWatchEndsProcess();
    void pendingWakeUpStaysWithItsWatch();
    void newestWatchReceives();
    void inheritedActionComesBack_data();
    void inheritedActionComesBack();
};

// Every case runs for both signals a session ends its programs with.
void SessionSignalsTest::initTestCase_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
}

void SessionSignalsTest::signalEndsSession()
{
    QFETCH_GLOBAL(int, signal);
    QObject context;
    int ended = 0;
    watchSessionSignals(&context, [&] { ++ended; });
    std::raise(signal);
    QTRY_COMPARE(ended, 1);
}

// With its watch gone the program has nothing left to save: the signal must
// end the process, not vanish into a handler nobody listens to.
void SessionSignalsTest::signalAfterWatchEndsProcess()
{
    QFETCH_GLOBAL(int, signal);
    const int status = statusOfChild([signal] {
        auto context = std::make_unique<QObject>();
        watchSessionSignals(context.get(), [] {});
        context.reset();
        std::raise(signal);
    });
    QVERIFY2(WIFSIGNALED(status), "the process survived the signal");
    QCOMPARE(WTERMSIG(status), signal);
}

// A signal that came while one window's watch was busy must not close the
// next window at once.
void SessionSignalsTest::pendingWakeUpStaysWithItsWatch()
{
    QFETCH_GLOBAL(int, signal);
    auto first = std::make_unique<QObject>();
    int firstEnded = 0;
    watchSessionSignals(first.get(), [&] { ++firstEnded; });
    std::raise(signal); // handled by the event loop, which does not run here
    first.reset();

    QObject second;
    int secondEnded = 0;
    watchSessionSignals(&second, [&] { ++secondEnded; });
    QTest::qWait(50);
    QCOMPARE(firstEnded, 0);
    QCOMPARE(secondEnded, 0);

    std::raise(signal);
    QTRY_COMPARE(secondEnded, 1);
}

// Two windows at once: the newer one ends; when it is gone, the older one
// receives the signals again.
void SessionSignalsTest::newestWatchReceives()
{
    QFETCH_GLOBAL(int, signal);
    QObject older;
    int olderEnded = 0;
    watchSessionSignals(&older, [&] { ++olderEnded; });
    auto newer = std::make_unique<QObject>();
    int newerEnded = 0;
    watchSessionSignals(newer.get(), [&] { ++newerEnded; });

    std::raise(signal);
    QTRY_COMPARE(newerEnded, 1);
    QCOMPARE(olderEnded, 0);

    newer.reset();
    std::raise(signal);
    QTRY_COMPARE(olderEnded, 1);
}

void SessionSignalsTest::inheritedActionComesBack_data()
{
    QTest::addColumn<quintptr>("inherited");
    QTest::newRow("default") << address(SIG_DFL);
    QTest::newRow("ignored") << address(SIG_IGN);
    QTest::newRow("own handler") << address(ownHandler);
}

// `nohup velmarit &` starts the program with SIGHUP ignored: the window must
// outlive the terminal. Whatever the starter set is there again once the
// last watch ends; a SIGTERM is watched even when ignored, as the session
// still expects the program to end on it.
void SessionSignalsTest::inheritedActionComesBack()
{
    QFETCH_GLOBAL(int, signal);
    QFETCH(quintptr, inherited);
    const bool staysIgnored = signal == SIGHUP && inherited == address(SIG_IGN);
    const SignalActionScope scope(signal, reinterpret_cast<void (*)(int)>(inherited));

    auto first = std::make_unique<QObject>();
    int ended = 0;
    watchSessionSignals(first.get(), [&] { ++ended; });
    auto second = std::make_unique<QObject>();
    watchSessionSignals(second.get(), [&] { ++ended; });
    if (staysIgnored) {
        QCOMPARE(currentHandler(signal), inherited);
        std::raise(signal);
        QTest::qWait(50);
        QCOMPARE(ended, 0);
    } else {
        QVERIFY(currentHandler(signal) != inherited);
        std::raise(signal);
        QTRY_COMPARE(ended, 1);
    }

    // The older watch ends first: the newer one still listens.
    first.reset();
    QCOMPARE(currentHandler(signal) == inherited, staysIgnored);
    second.reset();
    QCOMPARE(currentHandler(signal), inherited);
}

QTEST_GUILESS_MAIN(SessionSignalsTest)

#include "sessionsignals_test.moc"
