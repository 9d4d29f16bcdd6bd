// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Printing from the window as a user meets it: the context menu and its
// shortcut, the choice of tables in the print dialog, the preview and the
// file dialog, the PDF saved (and a failed save), pages on other paper, and
// Qt's own texts in German. Dialogs are driven the way a user would, by
// answering them once they are open.

#include "sheets/pdffile.h"
#include "print/printcommands.h"
#include "translations/qttexts.h"
#include "shell/shell.h"
#include "ui/frmvelmarit.h"
#include "version/velmaritversion.h"
#include "modalscript.h"
#include "pdfwords.h"
#include "windowcontrols.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <functional>
#include <sys/resource.h>

using namespace velmarit;
using velmarit::test::ModalScript;
using velmarit::test::pdfPages;
using velmarit::test::pdfText;
using velmarit::test::pdfWords;
using velmarit::test::Word;

namespace {

// What a message box that was shown said; it is closed with its default.
struct ShownBox
{
    bool shown = false;
    QString text;
    QString title;
};

std::function<void(QMessageBox *)> noteAndClose(ShownBox &seen)
{
    return [&seen](QMessageBox *box) {
        seen = {true, box->text(), box->windowTitle()};
        box->accept();
    };
}

// Types `path` into the file dialog's name box, as a user does, and picks
// the file type `filter`, then presses "Speichern".
std::function<void(QFileDialog *)> saveAs(const QString &path, const QString &filter = {})
{
    return [path, filter](QFileDialog *dialog) {
        if (!filter.isEmpty())
            dialog->selectNameFilter(filter);
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (name)
            name->setText(path);
        // Queued: accepting may open a box of its own, which must not run
        // inside the script's timer.
        QTimer::singleShot(0, dialog, [dialog] { static_cast<QDialog *>(dialog)->accept(); });
    };
}

QStringList entriesOf(const QString &directory)
{
    return QDir(directory).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// The text of the page without the program line, which names its program.
QString withoutProgram(QString text)
{
    static const QRegularExpression program(
        QStringLiteral("(velmarit-tabelle|Velmarit) ") +
        QRegularExpression::escape(QLatin1String(velmarit::version::kVersion)));
    text.replace(program, QStringLiteral("PROGRAMM"));
    return text;
}

} // namespace

class TstPrint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void menuEntriesAndShortcut();
    void menuOpensFrom_data();
    void menuOpensFrom();
    void textBoxesKeepTheirEditMenu();
    void ctrlPPrintsFromEveryControl_data();
    void ctrlPPrintsFromEveryControl();
    void infoEntryOpensTheInformationBox();
    void choiceOfTables_data();
    void choiceOfTables();
    void printDialogOffersTheChoice();
    void previewShowsThePagesThatPrint();
    void pageRangePrintsOnlyThosePages_data();
    void pageRangePrintsOnlyThosePages();
    void printerPageRangeAndChoiceAreHonoured();
    void savedPdfHasTheTextOfTheCommandLineProgram();
    void saveOffersTheChoiceAsFileType();
    void failedSaveLeavesNoFileAndSaysWhy_data();
    void failedSaveLeavesNoFileAndSaysWhy();
    void otherPaperFitsEveryTable_data();
    void otherPaperFitsEveryTable();
    void qtTextsAreGerman();

private:
    std::unique_ptr<FrmVelmarit> makeWindow();
};

void TstPrint::initTestCase()
{
    QVERIFY2(installQtTexts(texts::german), qPrintable(qtCatalogue(QStringLiteral("de"))));
}

std::unique_ptr<FrmVelmarit> TstPrint::makeWindow()
{
    auto window = std::make_unique<FrmVelmarit>();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        return nullptr;
    return window;
}

void TstPrint::menuEntriesAndShortcut()
{
    FrmVelmarit window;
    const QList<QAction *> actions = window.contextMenu()->actions();
    QStringList texts;
    for (const QAction *action : actions)
        texts.append(action->isSeparator() ? QStringLiteral("---") : action->text());
    QCOMPARE(texts,
             (QStringList{QStringLiteral("Codiertabellen drucken…"),
                          QStringLiteral("Druckvorschau…"), QStringLiteral("Als PDF speichern…"),
                          QStringLiteral("---"), QStringLiteral("Info über Velmarit…")}));
    const QAction *print = velmarit::testing::WindowControls(window).actPrint;
    QCOMPARE(print->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    // The menu shows the shortcut in German.
    QCOMPARE(print->shortcut().toString(QKeySequence::NativeText), QStringLiteral("Strg+P"));
}

// Where a right click (mouse) or the Menu key / Shift+F10 (keyboard) opens
// the window's menu.
void TstPrint::menuOpensFrom_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("how");
    QTest::newRow("window background") << "frmVelmarit"
                                       << "mouse";
    QTest::newRow("Delta panel") << "pnlDelta"
                                 << "mouse";
    QTest::newRow("locomotive panel") << "pnlDigital"
                                      << "mouse";
    QTest::newRow("turnout panel") << "pnlWeichen"
                                   << "mouse";
    QTest::newRow("turnout frame") << "frmWeichen(1)"
                                   << "mouse";
    QTest::newRow("check box, Menu key") << "chkSwitchMA(3)"
                                         << "menu key";
    QTest::newRow("list, Menu key") << "lstDelta"
                                    << "menu key";
    QTest::newRow("check box, Shift+F10") << "chkSwitchLok(2)"
                                          << "shift+f10";
    QTest::newRow("list, Shift+F10") << "lstDelta"
                                     << "shift+f10";
}

void TstPrint::menuOpensFrom()
{
    QFETCH(QString, target);
    QFETCH(QString, how);
    const auto window = makeWindow();
    QVERIFY(window);
    QWidget *widget = target == QStringLiteral("frmVelmarit")
                          ? window.get()
                          : window->findChild<QWidget *>(target);
    QVERIFY(widget);
    if (how == QStringLiteral("mouse")) {
        // A point of the widget that no child covers.
        const QPoint at = target == QStringLiteral("frmVelmarit") ? QPoint(3, 3) : QPoint(2, 2);
        QCOMPARE(widget->childAt(at), nullptr);
        // Through the window, as the platform delivers a click: Qt turns
        // the right button into the context menu request.
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {},
                          widget->mapTo(window.get(), at));
    } else {
        widget->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), widget);
        if (how == QStringLiteral("shift+f10")) {
            QTest::keyClick(widget, Qt::Key_F10, Qt::ShiftModifier);
        } else {
            // What the platform sends for the Menu key (X11 and Windows alike).
            QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(),
                                      widget->mapToGlobal(QPoint()));
            QApplication::sendEvent(widget, &request);
        }
    }
    QTRY_COMPARE(QApplication::activePopupWidget(), window->contextMenu());
    window->contextMenu()->close();
}

void TstPrint::textBoxesKeepTheirEditMenu()
{
    const auto window = makeWindow();
    QVERIFY(window);
    QLineEdit *txtWeichen = velmarit::testing::WindowControls(*window).txtWeichen;
    txtWeichen->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), txtWeichen);
    QTest::keyClick(txtWeichen, Qt::Key_F10, Qt::ShiftModifier);
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QVERIFY(menu != window->contextMenu());
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts.append(action->text().section(u'\t', 0, 0)); // without the shortcut
    // The edit menu, in German.
    QVERIFY2(texts.contains(QStringLiteral("&Rückgängig")), qPrintable(texts.join(u'|')));
    QVERIFY2(texts.contains(QStringLiteral("Einf&ügen")), qPrintable(texts.join(u'|')));
    menu->close();
}

void TstPrint::ctrlPPrintsFromEveryControl_data()
{
    QTest::addColumn<QString>("control");
    for (const char *name : {"txtSwitchLokDelta", "txtDigital", "txtWeichen", "txtSwitchMA",
                             "chkSwitchLok(1)", "chkSwitchLokDelta(4)", "lstDelta"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TstPrint::ctrlPPrintsFromEveryControl()
{
    QFETCH(QString, control);
    const auto window = makeWindow();
    QVERIFY(window);
    QSignalSpy printing(window.get(), &FrmVelmarit::printRequested);
    auto *widget = window->findChild<QWidget *>(control);
    QVERIFY(widget);
    widget->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), widget);
    QTest::keyClick(widget, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(printing.count(), 1);
    // The shortcut types nothing.
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        QCOMPARE(box->text(), QString());
}

void TstPrint::infoEntryOpensTheInformationBox()
{
    const auto window = makeWindow();
    QVERIFY(window);
    QTemporaryDir dir;
    new Shell(window.get(), dir.path(), dir.path());
    QString text;
    QString title;
    ModalScript script;
    script.then<QMessageBox>([&](QMessageBox *box) {
        text = box->text();
        title = box->windowTitle();
        box->accept();
    });
    velmarit::testing::WindowControls(*window).actInfo->trigger();
    QVERIFY(script.done());
    QCOMPARE(title, QStringLiteral(" Info über Velmarit"));
    QVERIFY(text.startsWith(QStringLiteral("Programm:     Velmarit\n")));
}

void TstPrint::choiceOfTables_data()
{
    QTest::addColumn<TableChoice>("choice");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<int>("pages");
    QTest::newRow("all") << TableChoice::All
                         << QStringList{"Digital-Decoder (Lok)", "Delta-Decoder", "Weichen-Decoder"}
                         << 11;
    QTest::newRow("lok") << TableChoice::Lok << QStringList{"Digital-Decoder (Lok)"} << 2;
    QTest::newRow("delta") << TableChoice::Delta << QStringList{"Delta-Decoder"} << 1;
    QTest::newRow("weichen") << TableChoice::MA << QStringList{"Weichen-Decoder"} << 8;
}

void TstPrint::choiceOfTables()
{
    QFETCH(TableChoice, choice);
    QFETCH(QStringList, titles);
    QFETCH(int, pages);
    const std::vector<CodingTable> tables = chosenTables(choice);
    QCOMPARE(int(tables.size()), titles.size());
    for (std::size_t i = 0; i < tables.size(); ++i)
        QVERIFY(QString::fromStdString(tables[i].title).startsWith(titles.at(int(i))));
    QCOMPARE(sheetPageCount(tables), pages);
    // The file dialog's file type names the same choice.
    const QString filter = pdfNameFilters().at(int(choice));
    QVERIFY(filter.endsWith(QStringLiteral("(*.pdf)")));
    QCOMPARE(choiceOfNameFilter(filter), choice);
}

void TstPrint::printDialogOffersTheChoice()
{
    PrintCommands commands;
    QStringList offered;
    ModalScript script;
    script.then<QPrintDialog>([&](QPrintDialog *dialog) {
        const auto buttons = dialog->findChildren<QRadioButton *>();
        for (QRadioButton *button : buttons) {
            if (button->parentWidget()->objectName() == QStringLiteral("tableChoiceTab"))
                offered.append(button->text() + (button->isChecked() ? "*" : ""));
        }
        for (QRadioButton *button : buttons) {
            if (button->text() == tableChoiceText(TableChoice::Delta))
                button->click();
        }
        dialog->reject(); // cancelling prints nothing
    });
    commands.print(nullptr);
    QVERIFY(script.done());
    QCOMPARE(
        offered,
        (QStringList{tableChoiceText(TableChoice::All) + "*", tableChoiceText(TableChoice::Lok),
                     tableChoiceText(TableChoice::Delta), tableChoiceText(TableChoice::MA)}));
    QCOMPARE(commands.choice(), TableChoice::Delta);
}

void TstPrint::previewShowsThePagesThatPrint()
{
    PrintCommands commands;
    QList<int> shown;
    QString title;
    ModalScript script;
    script.then<QPrintPreviewDialog>([&](QPrintPreviewDialog *dialog) {
        title = dialog->windowTitle();
        auto *preview = dialog->findChild<QPrintPreviewWidget *>();
        auto *choice = dialog->findChild<QComboBox *>(QStringLiteral("tableChoice"));
        if (preview && choice) {
            for (const TableChoice c : allTableChoices) {
                choice->setCurrentIndex(int(c));
                shown.append(preview->pageCount());
            }
        }
        dialog->reject();
    });
    commands.preview(nullptr);
    QVERIFY(script.done());
    QCOMPARE(shown, (QList<int>{11, 2, 1, 8}));
    QVERIFY2(title.startsWith(QStringLiteral("Druckvorschau")), qPrintable(title));
    // The choice seen last is the one the next print offers.
    QCOMPARE(commands.choice(), TableChoice::MA);
}

void TstPrint::pageRangePrintsOnlyThosePages_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<QStringList>("pageNumbers");
    QTest::newRow("all") << 0 << 0
                         << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"};
    QTest::newRow("2-3") << 2 << 3 << QStringList{"2", "3"};
    QTest::newRow("11 only") << 11 << 11 << QStringList{"11"};
    QTest::newRow("beyond the end") << 10 << 99 << QStringList{"10", "11"};
}

void TstPrint::pageRangePrintsOnlyThosePages()
{
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QStringList, pageNumbers);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("range.pdf"));
    {
        QPdfWriter writer(pdf);
        QVERIFY(paintSheets(writer, chosenTables(TableChoice::All), PrintCommands().heading(), first,
                            last));
    }
    QStringList numbers;
    static const QRegularExpression pageOf(QStringLiteral("Seite (\\d+) von 11"));
    for (const QString &page : pdfText(pdf).split(u'\f', Qt::SkipEmptyParts))
        numbers.append(pageOf.match(page).captured(1));
    QCOMPARE(numbers, pageNumbers);
}

// What the print dialog leaves in the printer (a page range) and the
// choice made in its tab decide what is painted.
void TstPrint::printerPageRangeAndChoiceAreHonoured()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("printer.pdf"));
    PrintCommands commands;
    commands.setChoice(TableChoice::MA);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(7, 9);
    QVERIFY(commands.paint(printer));
    const QString text = pdfText(pdf);
    QCOMPARE(pdfPages(pdf), 2);
    QVERIFY(text.contains(QStringLiteral("Seite 7 von 8")));
    QVERIFY(text.contains(QStringLiteral("Seite 8 von 8")));
    QVERIFY(text.contains(QStringLiteral("Weichen-Decoder")));

    // A range with no page of the chosen tables prints nothing at all.
    const QString none = dir.filePath(QStringLiteral("none.pdf"));
    printer.setOutputFileName(none);
    commands.setChoice(TableChoice::Delta);
    printer.setFromTo(2, 5);
    QVERIFY(!commands.paint(printer));
    QVERIFY(!QFileInfo::exists(none));
}

void TstPrint::savedPdfHasTheTextOfTheCommandLineProgram()
{
    const auto window = makeWindow();
    QTemporaryDir dir;
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/Jürgen Müller XXXXXX"));
    new Shell(window.get(), dir.path(), dir.path());
    const QString fromWindow = folder.filePath(QStringLiteral("Velmarit-Codiertabellen.pdf"));
    const QString fromTabelle = dir.filePath(QStringLiteral("tabelle.pdf"));

    ModalScript script;
    script.then<QFileDialog>(saveAs(fromWindow));
    QElapsedTimer clock;
    clock.start();
    velmarit::testing::WindowControls(*window).actSavePdf->trigger();
    qInfo("Als PDF speichern: dialog answered and PDF written in %lld ms", clock.elapsed());
    QVERIFY(script.done());
    QVERIFY(QFileInfo::exists(fromWindow));
    QCOMPARE(entriesOf(folder.path()), QStringList{QStringLiteral("Velmarit-Codiertabellen.pdf")});

    QProcess tabelle;
    tabelle.start(QStringLiteral(TABELLE_PROGRAM), {QStringLiteral("--pdf"), fromTabelle});
    QVERIFY(tabelle.waitForFinished(60000));
    QCOMPARE(tabelle.exitCode(), 0);
    const QString windowText = pdfWords(fromWindow);
    QVERIFY(windowText.contains(QStringLiteral("Velmarit ") +
                                QLatin1String(velmarit::version::kVersion)));
    QCOMPARE(withoutProgram(windowText), withoutProgram(pdfWords(fromTabelle)));
    QCOMPARE(pdfPages(fromWindow), 11);
}

void TstPrint::saveOffersTheChoiceAsFileType()
{
    PrintCommands commands;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("weichen")); // the suffix comes by itself
    QString suggested;
    ModalScript script;
    script.then<QFileDialog>([&](QFileDialog *dialog) {
        suggested = QDir(dialog->directory()).filePath(dialog->selectedFiles().value(0));
        saveAs(pdf, pdfNameFilters().at(int(TableChoice::MA)))(dialog);
    });
    commands.savePdf(nullptr);
    QVERIFY(script.done());
    QCOMPARE(QFileInfo(suggested).fileName(), QStringLiteral("Velmarit-Codiertabellen.pdf"));
    QCOMPARE(QFileInfo(suggested).absolutePath(),
             QFileInfo(PrintCommands().suggestedPdfPath()).absolutePath());
    QCOMPARE(pdfPages(pdf + QStringLiteral(".pdf")), 8);
    QCOMPARE(commands.choice(), TableChoice::MA);
}

void TstPrint::failedSaveLeavesNoFileAndSaysWhy_data()
{
    QTest::addColumn<QString>("target"); // "%1": a fresh temporary folder
    QTest::addColumn<QByteArray>("oldContent");
    QTest::addColumn<int>("fileSizeLimit");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder cannot be written")
        << QStringLiteral("/sys/velmarit-test.pdf") << QByteArray() << 0
        << QStringLiteral("kann nicht angelegt werden");
    QTest::newRow("disk full") << QStringLiteral("%1/voll.pdf") << QByteArray() << 20000
                               << QStringLiteral("nicht vollständig geschrieben");
    QTest::newRow("disk full, older file kept")
        << QStringLiteral("%1/alt.pdf") << QByteArray("das alte PDF") << 20000
        << QStringLiteral("nicht vollständig geschrieben");
}

void TstPrint::failedSaveLeavesNoFileAndSaysWhy()
{
    QFETCH(QString, target);
    QFETCH(QByteArray, oldContent);
    QFETCH(int, fileSizeLimit);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    if (target.contains(QStringLiteral("%1")))
        target = target.arg(dir.path());
    if (!oldContent.isEmpty()) {
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(oldContent);
    }
    const QString folder = QFileInfo(target).absolutePath();
    const QStringList before = entriesOf(folder);

    PrintCommands commands;
    ShownBox failure;
    ModalScript script;
    script.then<QFileDialog>(saveAs(target));
    // Replacing an older file is confirmed first; then comes the failure.
    if (!oldContent.isEmpty()) {
        script.then<QMessageBox>([](QMessageBox *confirm) {
            QTimer::singleShot(0, confirm,
                               [confirm] { confirm->button(QMessageBox::Yes)->click(); });
        });
    }
    script.then<QMessageBox>(noteAndClose(failure));
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    if (fileSizeLimit > 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{rlim_t(fileSizeLimit), previous.rlim_max};
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    }
    commands.savePdf(nullptr);
    setrlimit(RLIMIT_FSIZE, &previous);

    QVERIFY(script.done());
    QCOMPARE(failure.title, QStringLiteral("Als PDF speichern"));
    QVERIFY2(
        failure.text.startsWith(QStringLiteral("Die Codiertabellen wurden nicht gespeichert.")),
        qPrintable(failure.text));
    QVERIFY2(failure.text.contains(reason), qPrintable(failure.text));
    QCOMPARE(entriesOf(folder), before);
    if (!oldContent.isEmpty()) {
        QFile old(target);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), oldContent);
    }
}

void TstPrint::otherPaperFitsEveryTable_data()
{
    QTest::addColumn<QPageLayout>("layout");
    QTest::addColumn<bool>("trueSize");
    const auto layoutOf = [](QPageSize::PageSizeId size, QPageLayout::Orientation orientation,
                             qreal margin) {
        return QPageLayout(QPageSize(size), orientation, QMarginsF(margin, margin, margin, margin),
                           QPageLayout::Millimeter);
    };
    QTest::newRow("A4, printer margins 5 mm")
        << layoutOf(QPageSize::A4, QPageLayout::Portrait, 5) << true;
    QTest::newRow("US Letter") << layoutOf(QPageSize::Letter, QPageLayout::Portrait, 0) << false;
    QTest::newRow("US Letter, margins 6.35 mm")
        << layoutOf(QPageSize::Letter, QPageLayout::Portrait, 6.35) << false;
    QTest::newRow("A4, small printable area (margins 25 mm)")
        << layoutOf(QPageSize::A4, QPageLayout::Portrait, 25) << false;
    QTest::newRow("A4 landscape") << layoutOf(QPageSize::A4, QPageLayout::Landscape, 5) << false;
}

void TstPrint::otherPaperFitsEveryTable()
{
    QFETCH(QPageLayout, layout);
    QFETCH(bool, trueSize);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("paper.pdf"));
    const QString a4 = dir.filePath(QStringLiteral("a4.pdf"));
    {
        QPdfWriter writer(pdf);
        writer.setResolution(600);
        QVERIFY(writer.setPageLayout(layout));
        QVERIFY(paintSheets(writer, chosenTables(TableChoice::All), PrintCommands().heading()));
    }
    {
        QFile file(a4);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(*sheetsPdf(chosenTables(TableChoice::All), PrintCommands().heading()));
    }
    QSizeF pageSize;
    const auto pages = velmarit::test::wordsOfPages(pdf, &pageSize);
    const auto a4Pages = velmarit::test::wordsOfPages(a4);
    QCOMPARE(pages.size(), 11);
    QCOMPARE(a4Pages.size(), 11);
    const QRectF printable = layout.paintRect(QPageLayout::Point);
    for (int p = 0; p < pages.size(); ++p) {
        // Every word in the printable area, and every word of the A4 page
        // there: nothing was cut off.
        QCOMPARE(pages.at(p).size(), a4Pages.at(p).size());
        for (const Word &word : pages.at(p)) {
            QVERIFY2(printable.adjusted(-0.5, -0.5, 0.5, 0.5).contains(word.box()),
                     qPrintable(QStringLiteral("page %1: \"%2\" at %3,%4-%5,%6 outside")
                                    .arg(p + 1)
                                    .arg(word.text)
                                    .arg(word.box().left())
                                    .arg(word.box().top())
                                    .arg(word.box().right())
                                    .arg(word.box().bottom())));
        }
        // The same page scaled evenly: the first and the last word span the
        // same shape as on A4.
        const QRectF span = pages.at(p).first().box().united(pages.at(p).last().box());
        const QRectF a4Span = a4Pages.at(p).first().box().united(a4Pages.at(p).last().box());
        const qreal scaleX = span.width() / a4Span.width();
        const qreal scaleY = span.height() / a4Span.height();
        QVERIFY2(qAbs(scaleX - scaleY) < 0.01,
                 qPrintable(QStringLiteral("%1 x %2").arg(scaleX).arg(scaleY)));
        QVERIFY(scaleX <= 1.001);
        if (trueSize)
            QVERIFY(qAbs(scaleX - 1) < 0.001 && qAbs(span.left() - a4Span.left()) < 0.1);
        else
            QVERIFY(scaleX < 0.999);
    }
}

void TstPrint::qtTextsAreGerman()
{
    QLineEdit box;
    std::unique_ptr<QMenu> editMenu(box.createStandardContextMenu());
    QStringList texts;
    for (const QAction *action : editMenu->actions())
        texts.append(action->text().section(u'\t', 0, 0));
    for (const char *german : {"&Rückgängig", "Wieder&herstellen", "&Ausschneiden", "&Kopieren",
                               "Einf&ügen", "Löschen", "Alles auswählen"})
        QVERIFY2(texts.contains(QString::fromUtf8(german)), qPrintable(texts.join(u'|')));

    QPrinter printer;
    QPrintDialog printDialog(&printer);
    QCOMPARE(printDialog.windowTitle(), QStringLiteral("Drucken"));

    QFileDialog fileDialog;
    fileDialog.setOption(QFileDialog::DontUseNativeDialog);
    fileDialog.setAcceptMode(QFileDialog::AcceptSave);
    auto *buttons = fileDialog.findChild<QDialogButtonBox *>();
    QVERIFY(buttons);
    QStringList buttonTexts;
    for (QAbstractButton *button : buttons->buttons())
        buttonTexts.append(button->text());
    QVERIFY2(buttonTexts.contains(QStringLiteral("S&peichern")) &&
                 buttonTexts.contains(QStringLiteral("Abbrechen")),
             qPrintable(buttonTexts.join(u'|')));

    QMessageBox message(QMessageBox::Warning, QString(), QString(),
                        QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(message.button(QMessageBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    QCOMPARE(message.button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
    QCOMPARE(message.button(QMessageBox::No)->text(), QStringLiteral("&Nein"));
}

QTEST_MAIN(TstPrint)
#include "tst_print.moc"
