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

QTEST_GUILESS_MAIN(SessionSignalsTest)

#include "sessionsignals_test.moc"
