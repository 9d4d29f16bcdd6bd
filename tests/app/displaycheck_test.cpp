// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program started where no display answers: it must say in one line,
// in the user's language (German unless the locale asks for English, Dutch
// or French), what is missing and end with status 1 before Qt can abort or
// wait for ever. A platform named in QT_QPA_PLATFORM or with Qt's -platform option
// that needs no display starts as usual, and -display names the X server.
// A parent that ignores SIGCHLD hands that on to the program, which must
// judge a display all the same.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <unistd.h>

namespace {

// The environment of a run; a name that begins with "-" is one of Qt's
// options instead, given on the command line with its value.
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

// A TCP listener on an X server's port that takes connections and never
// says a word. Its X display name, or nothing. The numbers are not
// displayWithoutServer()'s: libxcb tries TCP on the same port when a
// display's local socket is missing.
struct SilentXServer
{
    SilentXServer()
    {
        for (int n = 4811; n < 4911 && display.isEmpty(); ++n)
            if (server.listen(QHostAddress::LocalHost, static_cast<quint16>(6000 + n)))
                display = QStringLiteral("127.0.0.1:%1").arg(n);
    }
    QTcpServer server;
    QString display;
};

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
    SilentXServer m_silent;
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
    QVERIFY(!m_silent.display.isEmpty());
}

void DisplayCheckTest::start_data()
{
    QTest::addColumn<Variables>("variables");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    // Started with SIGCHLD ignored, as a parent that ignores it starts it.
    QTest::addColumn<bool>("childEndIgnored");

    const QString x = displayWithoutServer();
    const QString prefix = "velmarit: Keine grafische Anzeige gefunden: ";
    const QString noX = "an DISPLAY=" + x + " antwortet kein X-Server";

    QTest::newRow("nothing set") << Variables{} << 1
                                 << prefix + "weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt."
                                 << false;
    QTest::newRow("X server gone") << Variables{{"DISPLAY", x}} << 1 << prefix + noX + "." << false;
    QTest::newRow("Wayland socket missing")
        << Variables{{"WAYLAND_DISPLAY", "wayland-missing"}} << 1
        << prefix + "an WAYLAND_DISPLAY=wayland-missing antwortet kein Wayland-Compositor."
        << false;
    QTest::newRow("neither answers")
        << Variables{{"DISPLAY", x}, {"WAYLAND_DISPLAY", "wayland-missing"}} << 1
        << prefix + noX +
               ", und an WAYLAND_DISPLAY=wayland-missing antwortet kein Wayland-Compositor."
        << false;
    QTest::newRow("X named, no DISPLAY")
        << Variables{{"QT_QPA_PLATFORM", "xcb"}, {"WAYLAND_DISPLAY", "wayland-missing"}} << 1
        << prefix + "QT_QPA_PLATFORM verlangt einen X-Server, aber DISPLAY ist nicht gesetzt."
        << false;
    QTest::newRow("Wayland named, none there")
        << Variables{{"QT_QPA_PLATFORM", "wayland"}} << 1
        << prefix + "an wayland-0 (WAYLAND_DISPLAY ist nicht gesetzt) antwortet kein "
                    "Wayland-Compositor."
        << false;
    // Platforms that need no display start with any environment.
    QTest::newRow("offscreen with a dead X server")
        << Variables{{"QT_QPA_PLATFORM", "offscreen:fontconfig"}, {"DISPLAY", x}} << 0 << QString()
        << false;

    // An X server that takes the connection and never answers is given up.
    const QString silent = m_silent.display;
    const QString givenUp = " antwortet nicht (nach 5 Sekunden aufgegeben).";
    QTest::newRow("X server silent")
        << Variables{{"DISPLAY", silent}} << 1
        << prefix + "der X-Server an DISPLAY=" + silent + givenUp << false;

    // Qt's own options choose the display over the environment.
    QTest::newRow("-platform offscreen, nothing set")
        << Variables{{"-platform", "offscreen"}} << 0 << QString() << false;
    QTest::newRow("--platform offscreen over QT_QPA_PLATFORM=xcb")
        << Variables{{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", x}, {"--platform", "offscreen"}} << 0
        << QString() << false;
    QTest::newRow("-platform xcb, no DISPLAY")
        << Variables{{"-platform", "xcb"}} << 1
        << prefix + "-platform verlangt einen X-Server, aber DISPLAY ist nicht gesetzt." << false;
    QTest::newRow("-display of a server that is gone")
        << Variables{{"-display", x}} << 1
        << prefix + "an -display " + x + " antwortet kein X-Server." << false;
    QTest::newRow("-display of a silent server, DISPLAY set")
        << Variables{{"DISPLAY", x}, {"-display", silent}} << 1
        << prefix + "der X-Server an -display " + silent + givenUp << false;

    // In the user's language.
    QTest::newRow("nothing set, English")
        << Variables{{"LANG", "en_GB.UTF-8"}} << 1
        << "velmarit: No graphical display found: neither DISPLAY nor WAYLAND_DISPLAY is set."
        << false;
    QTest::newRow("neither answers, Dutch")
        << Variables{{"LANGUAGE", "nl"}, {"DISPLAY", x}, {"WAYLAND_DISPLAY", "wayland-missing"}}
        << 1
        << "velmarit: Geen grafisch scherm gevonden: op DISPLAY=" + x +
               " antwoordt geen X-server, en op WAYLAND_DISPLAY=wayland-missing antwoordt geen "
               "Wayland-compositor."
        << false;
    QTest::newRow("Wayland named, none there, French")
        << Variables{{"LC_ALL", "fr_FR.UTF-8"}, {"QT_QPA_PLATFORM", "wayland"}} << 1
        << QString::fromUtf8("velmarit: Aucun affichage graphique trouv\u00e9\u00a0: aucun "
                             "compositeur Wayland ne r\u00e9pond sur wayland-0 (WAYLAND_DISPLAY "
                             "n'est pas d\u00e9fini).")
        << false;
    QTest::newRow("X server gone, Italian")
        << Variables{{"LANG", "it_IT.UTF-8"}, {"DISPLAY", x}} << 1 << prefix + noX + "." << false;

    // With SIGCHLD ignored the probe's child is reaped by the kernel, and
    // its exit status is lost: the verdict must not depend on it, and a
    // server given up must still be given up.
    QTest::newRow("X server gone, SIGCHLD ignored")
        << Variables{{"DISPLAY", x}} << 1 << prefix + noX + "." << true;
    QTest::newRow("X server silent, SIGCHLD ignored")
        << Variables{{"DISPLAY", silent}} << 1
        << prefix + "der X-Server an DISPLAY=" + silent + givenUp << true;
}

void DisplayCheckTest::start()
{
    QFETCH(Variables, variables);
    QFETCH(int, status);
    QFETCH(QString, message);
    QFETCH(bool, childEndIgnored);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM",
                             "XDG_SESSION_TYPE", "XDG_CONFIG_HOME", "LANGUAGE", "LC_ALL",
                             "LC_MESSAGES", "LANG"})
        environment.remove(name);
    environment.insert("HOME", m_dir.path());
    environment.insert("XDG_RUNTIME_DIR", m_dir.filePath("run"));
    environment.insert("QT_FONT_DPI", "96");
    QStringList arguments;
    for (const auto &[name, value] : variables)
        if (name.startsWith('-'))
            arguments << name << value;
        else
            environment.insert(name, value);

    QProcess program;
    program.setProcessEnvironment(environment);
    if (childEndIgnored)
        program.setChildProcessModifier([] { ::signal(SIGCHLD, SIG_IGN); });
    program.start(m_program, arguments);
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
