// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program started where no display answers: it must say in one German
// line what is missing and end with status 1 before Qt can abort. A platform
// named in QT_QPA_PLATFORM that needs no display starts as usual.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <unistd.h>

namespace {

using Variables = QList<QPair<QString, QString>>;

// Whether process `pid` catches SIGTERM (bit 15 of SigCgt): from then on
// the signal closes the window as a close does.
bool catchesTerm(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
    return false;
}

// An X display number with no server: neither socket of X server N exists.
QString displayWithoutServer()
{
    for (int n = 4711; n < 4811; ++n)
        if (!QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)))
            return QStringLiteral(":%1").arg(n);
    return {};
}

} // namespace

class DisplayCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void start_data();
    void start();

private:
    QTemporaryDir m_dir;
    QString m_program;
};

void DisplayCheckTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // A copy, so the position file of the runs that start stays out of the
    // build tree.
    m_program = m_dir.filePath("velmarit");
    QVERIFY(QFile::copy(QStringLiteral(VELMARIT_PROGRAM), m_program));
    QVERIFY(QDir(m_dir.path()).mkpath("run"));
    QVERIFY(QFile::setPermissions(m_dir.filePath("run"), QFile::ReadOwner | QFile::WriteOwner |
                                                             QFile::ExeOwner));
    QVERIFY(!displayWithoutServer().isEmpty());
}

void DisplayCheckTest::start_data()
{
    QTest::addColumn<Variables>("variables");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");

    const QString x = displayWithoutServer();
    const QString prefix = "velmarit: Keine grafische Anzeige gefunden: ";
    const QString noX = "an DISPLAY=" + x + " antwortet kein X-Server";

    QTest::newRow("nothing set") << Variables{} << 1
                                 << prefix + "weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt.";
    QTest::newRow("X server gone") << Variables{{"DISPLAY", x}} << 1 << prefix + noX + ".";
    QTest::newRow("Wayland socket missing")
        << Variables{{"WAYLAND_DISPLAY", "wayland-missing"}} << 1
        << prefix + "an WAYLAND_DISPLAY=wayland-missing antwortet kein Wayland-Compositor.";
    QTest::newRow("neither answers")
        << Variables{{"DISPLAY", x}, {"WAYLAND_DISPLAY", "wayland-missing"}} << 1
        << prefix + noX +
               ", und an WAYLAND_DISPLAY=wayland-missing antwortet kein Wayland-Compositor.";
    QTest::newRow("X named, no DISPLAY")
        << Variables{{"QT_QPA_PLATFORM", "xcb"}, {"WAYLAND_DISPLAY", "wayland-missing"}} << 1
        << prefix + "QT_QPA_PLATFORM verlangt einen X-Server, aber DISPLAY ist nicht gesetzt.";
    QTest::newRow("Wayland named, none there")
        << Variables{{"QT_QPA_PLATFORM", "wayland"}} << 1
        << prefix +
               "an wayland-0 (WAYLAND_DISPLAY ist nicht gesetzt) antwortet kein "
               "Wayland-Compositor.";
    // Platforms that need no display start with any environment.
    QTest::newRow("offscreen with a dead X server")
        << Variables{{"QT_QPA_PLATFORM", "offscreen:fontconfig"}, {"DISPLAY", x}} << 0
        << QString();
}

void DisplayCheckTest::start()
{
    QFETCH(Variables, variables);
    QFETCH(int, status);
    QFETCH(QString, message);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM",
                             "XDG_SESSION_TYPE", "XDG_CONFIG_HOME"})
        environment.remove(name);
    environment.insert("HOME", m_dir.path());
    environment.insert("XDG_RUNTIME_DIR", m_dir.filePath("run"));
    environment.insert("QT_FONT_DPI", "96");
    for (const auto &[name, value] : variables)
        environment.insert(name, value);

    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(m_program, {});
    QVERIFY(program.waitForStarted());
    if (status == 0) {
        // It runs: the window is up once the program catches the session's
        // end; that ends it as a close does.
        QTRY_VERIFY_WITH_TIMEOUT(catchesTerm(program.processId()) ||
                                     program.state() == QProcess::NotRunning,
                                 30000);
        QCOMPARE(program.state(), QProcess::Running);
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    }
    QVERIFY(program.waitForFinished(30000));
    const QString output = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    if (status != 0)
        QCOMPARE(output, message + "\n");
    else
        QVERIFY2(!output.contains("Keine grafische Anzeige"), qPrintable(output));
}

QTEST_GUILESS_MAIN(DisplayCheckTest)
#include "displaycheck_test.moc"
