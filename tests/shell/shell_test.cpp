// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "filebytes.h"
#include "malformedpositionfiles.h"
#include "position/positionfile.h"
#include "program.h"
#include "shell/programinfo.h"
#include "shell/shell.h"
#include "ui/creditmark.h"
#include "ui/frmvelmarit.h"
#include "version/velmaritversion.h"
#include "windowcontrols.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/stat.h>

using velmarit::FrmVelmarit;
using velmarit::Shell;
using velmarit::WindowPosition;

Q_DECLARE_METATYPE(WindowPosition)

namespace {

// Closes every modal box that opens, and notes what it showed.
class BoxCatcher : public QObject
{
public:
    struct Box
    {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        bool modal;
    };

    BoxCatcher()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { closeOpenBox(); });
        m_timer.start(10);
    }

    QList<Box> boxes;

private:
    void closeOpenBox()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box) {
            boxes.append({modal->windowTitle(), {}, QMessageBox::NoIcon, {}, true});
            modal->close();
            return;
        }
        boxes.append(
            {box->windowTitle(), box->text(), box->icon(), box->standardButtons(), box->isModal()});
        box->button(QMessageBox::Ok)->click();
    }

    QTimer m_timer;
};

} // namespace

class ShellTest : public QObject
{
    Q_OBJECT

private slots:
    void firstRun();
    void savedPosition_data();
    void savedPosition();
    void malformedFile_data();
    void malformedFile();
    void closeWritesPosition_data();
    void closeWritesPosition();
    void noFileInPlaceOfFile_data();
    void noFileInPlaceOfFile();
    void nowhereToKeepPosition();
    void infoBoxOpens_data();
    void infoBoxOpens();
    void noInfoBoxOnControls_data();
    void noInfoBoxOnControls();
    void sessionEnd_data();
    void sessionEnd();

private:
    // Checks what every load step must leave behind, however the file read.
    static void verifyCompleteWindow(const FrmVelmarit &window);

    QTemporaryDir m_dir;
};

void ShellTest::verifyCompleteWindow(const FrmVelmarit &window)
{
    const velmarit::testing::WindowControls controls(window);
    QCOMPARE(controls.lblRelease->text(),
             "Rel. " + QString::fromLatin1(velmarit::version::kVersion));
    // The fifteen Delta rows once: the panel has them, the load step adds none.
    QCOMPARE(controls.lstDelta->count(), 15);
    QCOMPARE(controls.lblCopyright->text(), velmarit::programInfo().creditText);
    QCOMPARE(controls.imgCopyright->toolTip(), velmarit::programInfo().creditHoverText);
    QCOMPARE(window.size(), QSize(629, 495));
}

void ShellTest::firstRun()
{
    QTemporaryDir dir;
    Program program(dir.path(), dir.filePath("config"));

    verifyCompleteWindow(*program.window);
    QCOMPARE(program.window->pos(), QPoint(0, 0));
    // The load step only reads: the file appears beside the program at the
    // first close.
    QVERIFY(!QFileInfo::exists(dir.filePath("Velmarit.ini")));

    QVERIFY(program.show());
    QCOMPARE(QApplication::focusWidget(),
             velmarit::testing::WindowControls(*program.window).txtSwitchLokDelta);
    program.window->close();
    QCOMPARE(fileBytes(dir.filePath("Velmarit.ini")), QByteArray("[Position]\r\n 0 \r\n 0 \r\n"));
}

void ShellTest::savedPosition_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<WindowPosition>("saved");
    QTest::addColumn<QPoint>("pixels");

    QTest::newRow("1440, 720") << QByteArray("[Position]\r\n 1440 \r\n 720 \r\n")
                               << WindowPosition{1440, 720} << QPoint(96, 48);
    QTest::newRow("partly left of the screen") << QByteArray("[Position]\r\n-300 \r\n 15 \r\n")
                                               << WindowPosition{-300, 15} << QPoint(-20, 1);
    QTest::newRow("loose form, four lines") << QByteArray("whatever\n1500\n  3000\nmore\n")
                                            << WindowPosition{1500, 3000} << QPoint(100, 200);
    // The test screen is 800 x 600 pixels: this is a monitor that was removed.
    QTest::newRow("wholly off every screen") << QByteArray("[Position]\r\n 30000 \r\n 30000 \r\n")
                                             << WindowPosition{0, 0} << QPoint(0, 0);
    QTest::newRow("far beyond, near the 32-bit limit")
        << QByteArray("[Position]\r\n-2147483648 \r\n 2147483647 \r\n") << WindowPosition{0, 0}
        << QPoint(0, 0);
    QTest::newRow("lines after the third")
        << QByteArray("[Position]\r\n 1440 \r\n 720 \r\n4\r\n5\r\n") << WindowPosition{1440, 720}
        << QPoint(96, 48);
}

void ShellTest::savedPosition()
{
    QFETCH(QByteArray, bytes);
    QFETCH(WindowPosition, saved);
    QFETCH(QPoint, pixels);

    QTemporaryDir dir;
    QVERIFY(writeBytes(dir.filePath("Velmarit.ini"), bytes));
    Program program(dir.path(), dir.filePath("config"));

    QCOMPARE(program.window->pos(), pixels);
    verifyCompleteWindow(*program.window);
    QVERIFY(program.show());
    QCOMPARE(program.window->frameGeometry().topLeft(), pixels);

    // The close writes the position the start took, anew in its exact form,
    // whatever was there.
    program.window->close();
    QCOMPARE(fileBytes(dir.filePath("Velmarit.ini")), velmarit::formatPositionFile(saved));
}

void ShellTest::malformedFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    for (const auto &[name, bytes] : malformedPositionFiles())
        QTest::newRow(name) << bytes;
    QTest::newRow("8 MiB without a line end") << QByteArray(8 << 20, '5');
}

void ShellTest::malformedFile()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    QVERIFY(writeBytes(dir.filePath("Velmarit.ini"), bytes));

    Program program(dir.path(), dir.filePath("config"));
    QCOMPARE(program.window->pos(), QPoint(0, 0));
    verifyCompleteWindow(*program.window);

    // The next close mends the file.
    program.window->move(96, 48);
    program.window->close();
    QCOMPARE(fileBytes(dir.filePath("Velmarit.ini")),
             QByteArray("[Position]\r\n 1440 \r\n 720 \r\n"));
}

void ShellTest::closeWritesPosition_data()
{
    QTest::addColumn<QPoint>("pixels");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("never moved") << QPoint(0, 0) << QByteArray("[Position]\r\n 0 \r\n 0 \r\n");
    QTest::newRow("96, 48") << QPoint(96, 48) << QByteArray("[Position]\r\n 1440 \r\n 720 \r\n");
    QTest::newRow("-20, 1") << QPoint(-20, 1) << QByteArray("[Position]\r\n-300 \r\n 15 \r\n");
}

void ShellTest::closeWritesPosition()
{
    QFETCH(QPoint, pixels);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    {
        Program program(dir.path(), dir.filePath("config"));
        QVERIFY(program.show());
        if (pixels != QPoint(0, 0))
            program.window->move(pixels);
        QTRY_COMPARE(program.window->frameGeometry().topLeft(), pixels);
        program.window->close();
    }
    QCOMPARE(fileBytes(dir.filePath("Velmarit.ini")), bytes);

    // The next start opens where this one closed.
    Program again(dir.path(), dir.filePath("config"));
    QCOMPARE(again.window->pos(), pixels);
}

// Something that is no file where the file belongs (a folder, or a pipe or
// a link to one: the way to switch the position off) can be neither read nor
// replaced: the window starts complete at (0, 0), still closes, and leaves it
// as it was, with no word about it and no file written anywhere else.
void ShellTest::noFileInPlaceOfFile_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind : {"folder", "pipe", "link to a pipe"})
        QTest::newRow(kind) << QString(kind);
}

void ShellTest::noFileInPlaceOfFile()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString ini = dir.filePath("Velmarit.ini");
    const QString pipe = kind == "pipe" ? ini : dir.filePath("pipe");
    if (kind == "folder")
        QVERIFY(QDir(dir.path()).mkdir("Velmarit.ini"));
    else
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    if (kind == "link to a pipe")
        QVERIFY(QFile::link(pipe, ini));
    const QStringList entries = entriesOf(dir.path());

    QTest::failOnWarning(QRegularExpression("Fensterposition"));
    Program program(dir.path(), dir.filePath("config"));
    QCOMPARE(program.window->pos(), QPoint(0, 0));
    verifyCompleteWindow(*program.window);
    QVERIFY(program.show());
    program.window->move(96, 48);
    QVERIFY(program.window->close());
    QVERIFY(!program.window->isVisible());

    QCOMPARE(entriesOf(dir.path()), entries);
    QCOMPARE(QFileInfo(ini).isSymLink(), kind == "link to a pipe");
    struct stat status = {};
    QCOMPARE(::stat(QFile::encodeName(ini).constData(), &status), 0);
    QVERIFY(kind == "folder" ? S_ISDIR(status.st_mode) : S_ISFIFO(status.st_mode));
}

// Neither beside the program nor in the configuration directory can a file
// be made (a plain file stands where each folder would be): the window
// closes, and says why the position is lost.
void ShellTest::nowhereToKeepPosition()
{
    QTemporaryDir dir;
    QVERIFY(writeBytes(dir.filePath("plain"), "x"));
    const QString configDir = dir.filePath("plain/.config/Velmarit");
    Program program(dir.filePath("plain/program"), configDir);
    QTest::ignoreMessage(QtWarningMsg,
                         qPrintable("velmarit: Die Fensterposition konnte nicht in „" +
                                    QDir::toNativeSeparators(configDir + "/Velmarit.ini") +
                                    "“ gespeichert werden."));
    QVERIFY(program.window->close());
    QVERIFY(!program.window->isVisible());
}

void ShellTest::infoBoxOpens_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QPoint>("where");

    // Window pixels: the light-blue margins and the free area at the top right.
    QTest::newRow("top left margin") << "double click" << QPoint(5, 5);
    QTest::newRow("bottom margin") << "double click" << QPoint(300, 488);
    QTest::newRow("between the panels") << "double click" << QPoint(100, 172);
    QTest::newRow("free area top right") << "double click" << QPoint(450, 130);
    QTest::newRow("credit picture") << "click picture" << QPoint();
}

void ShellTest::infoBoxOpens()
{
    QFETCH(QString, how);
    QFETCH(QPoint, where);
    QTemporaryDir dir;
    Program program(dir.path(), dir.filePath("config"));
    QVERIFY(program.show());

    BoxCatcher catcher;
    if (how == "click picture")
        QTest::mouseClick(velmarit::testing::WindowControls(*program.window).imgCopyright,
                          Qt::LeftButton);
    else
        QTest::mouseDClick(program.window.get(), Qt::LeftButton, {}, where);

    QCOMPARE(catcher.boxes.size(), 1);
    const auto &box = catcher.boxes.first();
    QCOMPARE(box.title, QString::fromUtf8(" Info \xc3\xbc"
                                          "ber Velmarit"));
    // Six lines, the release as major.revision.
    const QStringList version = QString::fromLatin1(velmarit::version::kVersion).split('.');
    QCOMPARE(box.text, QString::fromUtf8("Programm:     Velmarit\n"
                                         "Release :       %1.%2\n"
                                         "\n"
                                         "Copyright :     %3\n"
                                         "\n"
                                         "mailto :           %4")
                           .arg(version[0], version[2],
                                QString::fromUtf8(velmarit::version::kCopyrightHolder),
                                QString::fromUtf8(velmarit::version::kContact)));
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(box.modal);
    QVERIFY(program.window->isVisible());
}

void ShellTest::noInfoBoxOnControls_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QPoint>("where"); // in the control; null for its centre

    QTest::newRow("result label") << "lblAnzeigeLok" << QPoint();
    QTest::newRow("encode result label") << "lblDelta" << QPoint();
    QTest::newRow("text box") << "txtDigital" << QPoint();
    QTest::newRow("check box") << "chkSwitchLok(1)" << QPoint();
    QTest::newRow("list box") << "lstDelta" << QPoint(5, 5);
    QTest::newRow("frame") << "frmDigital(0)" << QPoint(4, 40);
    QTest::newRow("panel") << "pnlWeichen" << QPoint(3, 3);
    QTest::newRow("panel heading") << "Label(28)" << QPoint();
    QTest::newRow("release label") << "lblRelease" << QPoint();
    QTest::newRow("credit label") << "lblCopyright" << QPoint();
}

void ShellTest::noInfoBoxOnControls()
{
    QFETCH(QString, control);
    QFETCH(QPoint, where);
    QTemporaryDir dir;
    Program program(dir.path(), dir.filePath("config"));
    QVERIFY(program.show());
    auto *widget = program.window->findChild<QWidget *>(control);
    QVERIFY(widget);
    if (auto *list = qobject_cast<QListWidget *>(widget))
        widget = list->viewport();

    BoxCatcher catcher;
    QTest::mouseDClick(widget, Qt::LeftButton, {},
                       where.isNull() ? widget->rect().center() : where);
    QTest::qWait(50);
    QCOMPARE(catcher.boxes.size(), 0);
}

void ShellTest::sessionEnd_data()
{
    QTest::addColumn<int>("signal"); // 0: Qt quits the application instead
    QTest::addColumn<bool>("infoBoxOpen");
    QTest::addColumn<int>("count");

    QTest::newRow("SIGTERM") << SIGTERM << false << 1;
    QTest::newRow("SIGHUP") << SIGHUP << false << 1;
    QTest::newRow("SIGTERM, then SIGHUP and SIGTERM again") << SIGTERM << false << 3;
    // The box's own event loop must not keep the program alive.
    QTest::newRow("SIGTERM with the information box open") << SIGTERM << true << 1;
    // How Qt ends the program for Windows' end of session and for an X11
    // session manager's "die": aboutToQuit, with the window still open.
    QTest::newRow("application quits") << 0 << false << 1;
    QTest::newRow("application quits with the information box open") << 0 << true << 1;
}

// The session's signal closes the window as the user would, the position is
// written once, and nothing later in the run writes it again.
void ShellTest::sessionEnd()
{
    QFETCH(int, signal);
    QFETCH(bool, infoBoxOpen);
    QFETCH(int, count);
    QTemporaryDir dir;
    const QString path = dir.filePath("Velmarit.ini");

    Program program(dir.path(), dir.filePath("config"));
    QVERIFY(program.show());
    program.window->move(96, 48);
    QTRY_COMPARE(program.window->frameGeometry().topLeft(), QPoint(96, 48));

    bool boxWasOpen = false;
    auto sendSignals = [&] {
        boxWasOpen = QApplication::activeModalWidget() != nullptr;
        for (int i = 0; i < count; ++i) {
            if (signal == 0)
                QMetaObject::invokeMethod(qApp, "aboutToQuit", Qt::DirectConnection);
            else
                std::raise(i % 2 ? SIGHUP : signal);
        }
    };
    if (infoBoxOpen) {
        // Sent from inside the box's event loop, which then has to end.
        QTimer::singleShot(0, this, [&] { QTimer::singleShot(50, this, sendSignals); });
        QTimer::singleShot(0, program.shell, &Shell::showProgramInfo);
    } else {
        sendSignals();
    }
    QTRY_VERIFY(!program.window->isVisible());
    QCOMPARE(boxWasOpen, infoBoxOpen);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(fileBytes(path), QByteArray("[Position]\r\n 1440 \r\n 720 \r\n"));

    // Neither another signal nor the application quitting writes again.
    QVERIFY(writeBytes(path, "untouched"));
    std::raise(SIGTERM);
    QTest::qWait(50);
    program.shell->endSession();
    program.window->close();
    QCOMPARE(fileBytes(path), QByteArray("untouched"));
}

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
