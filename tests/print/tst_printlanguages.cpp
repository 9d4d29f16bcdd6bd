// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Printing in each language, with Qt's own catalogue of that language
// installed as the program installs it: the print dialog's tab, the
// preview's choice, the file dialog's title, file types and name, a failed
// save's message, and the printed pages with their document title; in a
// language other than German, no German word anywhere.

#include "germanwords.h"
#include "language/qtexts.h"
#include "modalscript.h"
#include "pdfwords.h"
#include "print/printcommands.h"
#include "sheets/pdffile.h"
#include "translations/qttexts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <memory>

using namespace velmarit;
using velmarit::test::ModalScript;

Q_DECLARE_METATYPE(const velmarit::Texts *)

namespace {

// Qt's catalogue of a language in the application for as long as it lives;
// English has none.
class QtCatalogue
{
public:
    explicit QtCatalogue(const Texts &language)
    {
        if (m_translator.load(qtCatalogue(toQString(language.lang))))
            QCoreApplication::installTranslator(&m_translator);
    }
    ~QtCatalogue() { QCoreApplication::removeTranslator(&m_translator); }

private:
    QTranslator m_translator;
};

QStringList choiceTexts(const Texts &language)
{
    QStringList texts;
    for (const TableChoice choice : allTableChoices)
        texts << tableChoiceText(choice, language);
    return texts;
}

} // namespace

class TstPrintLanguages : public QObject
{
    Q_OBJECT

private slots:
    void dialogs_data();
    void dialogs();
    void pages_data();
    void pages();
};

void TstPrintLanguages::dialogs_data()
{
    QTest::addColumn<const Texts *>("language");
    for (const Texts *language : texts::languages)
        QTest::newRow(language->lang.data()) << language;
}

void TstPrintLanguages::dialogs()
{
    QFETCH(const Texts *, language);
    const Texts &t = *language;
    const QtCatalogue catalogue(t);
    PrintCommands commands(t);
    QStringList said;

    QString printTitle, tabTitle, question;
    QStringList offered;
    ModalScript printing;
    printing.then<QPrintDialog>([&](QPrintDialog *dialog) {
        printTitle = dialog->windowTitle();
        if (auto *tab = dialog->findChild<QWidget *>(QStringLiteral("tableChoiceTab"))) {
            tabTitle = tab->windowTitle();
            question = tab->findChild<QLabel *>()->text();
            for (const QRadioButton *button : tab->findChildren<QRadioButton *>())
                offered << button->text();
        }
        dialog->reject();
    });
    commands.print(nullptr);
    QVERIFY(printing.done());
    // Qt's own title, in the language where Qt has a catalogue of it.
    QCOMPARE(printTitle, QCoreApplication::translate("QPrintDialog", "Print"));
    QCOMPARE(tabTitle, toQString(t.tables.heading));
    QCOMPARE(question, toQString(t.printing.question));
    QCOMPARE(offered, choiceTexts(t));

    QStringList previewChoices;
    QString previewName;
    ModalScript previewing;
    previewing.then<QPrintPreviewDialog>([&](QPrintPreviewDialog *dialog) {
        if (auto *choice = dialog->findChild<QComboBox *>(QStringLiteral("tableChoice"))) {
            previewName = choice->accessibleName();
            for (int i = 0; i < choice->count(); ++i)
                previewChoices << choice->itemText(i);
        }
        dialog->reject();
    });
    commands.preview(nullptr);
    QVERIFY(previewing.done());
    QCOMPARE(previewName, toQString(t.tables.heading));
    QCOMPARE(previewChoices, choiceTexts(t));

    // A folder that cannot be written: the file dialog, then why nothing
    // was saved.
    QString fileTitle, suggested, failureTitle, failure;
    QStringList types;
    ModalScript saving;
    saving.then<QFileDialog>([&](QFileDialog *dialog) {
        fileTitle = dialog->windowTitle();
        types = dialog->nameFilters();
        suggested = QFileInfo(dialog->selectedFiles().value(0)).fileName();
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))
            ->setText(QStringLiteral("/sys/velmarit-test.pdf"));
        QTimer::singleShot(0, dialog, [dialog] { static_cast<QDialog *>(dialog)->accept(); });
    });
    saving.then<QMessageBox>([&](QMessageBox *box) {
        failureTitle = box->windowTitle();
        failure = box->text();
        box->accept();
    });
    commands.savePdf(nullptr);
    QVERIFY(saving.done());
    QCOMPARE(fileTitle, toQString(t.printing.savePdf));
    QCOMPARE(suggested, toQString(t.printing.fileName));
    QCOMPARE(types.size(), 4);
    for (int i = 0; i < types.size(); ++i)
        QCOMPARE(types.at(i), choiceTexts(t).at(i) + QStringLiteral(" (*.pdf)"));
    QCOMPARE(failureTitle, toQString(t.printing.savePdf));
    const QString notCreated =
        filled(t.pdf.notCreated, {{"path", QStringLiteral("/sys/velmarit-test.pdf")}});
    QVERIFY2(failure.startsWith(
                 filled(t.printing.notSaved, {{"reason", notCreated.section(u'(', 0, 0)}})),
             qPrintable(failure));

    said << printTitle << tabTitle << question << offered << previewChoices << previewName
         << fileTitle << types << suggested << failureTitle << failure;
    QCOMPARE(velmarit::test::germanWordsIn(said, toQString(t.lang)), QString());
}

void TstPrintLanguages::pages_data()
{
    dialogs_data();
}

// The pages the window prints: the tables' texts, the legend, the page
// numbers and the title of a table's later pages in the language, and the
// PDF's own title.
void TstPrintLanguages::pages()
{
    QFETCH(const Texts *, language);
    const Texts &t = *language;
    const PrintCommands commands(t);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("pages.pdf"));
    QCOMPARE(writePdfFile(pdf, chosenTables(TableChoice::All, t), commands.heading()), QString());
    const QString words = velmarit::test::pdfWords(pdf).simplified();
    const QString lokTitle = toQString(t.library.tables.Digital.title);
    for (const QString &piece :
         {toQString(t.sheets.title), toQString(t.sheets.legend), toQString(t.sheets.block),
          toQString(t.library.tables.Weichen.note), toQString(t.library.words.noSwitchOn),
          filled(t.sheets.continued, {{"title", lokTitle}}),
          filled(t.sheets.page, {{"page", QStringLiteral("1")}, {"pages", QStringLiteral("11")}})})
        QVERIFY2(words.contains(piece.simplified()), qPrintable(piece));
    QVERIFY(velmarit::test::popplerOutput(QStringLiteral("pdfinfo"), {pdf})
                .contains(toQString(t.sheets.title)));
    QCOMPARE(velmarit::test::germanWordsIn({words}, toQString(t.lang)), QString());
}

QTEST_MAIN(TstPrintLanguages)
#include "tst_printlanguages.moc"
