// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/printcommands.h"

#include "language/qtexts.h"
#include "sheets/pdffile.h"
#include "version/velmaritversion.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRadioButton>
#include <QStandardPaths>
#include <QToolBar>
#include <QVBoxLayout>

namespace velmarit {

namespace {

void showFailure(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("printFailureBox"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

// The print dialog's own tab for the table choice (Qt's print dialog adds
// such tabs beside its own; the tab is named after the widget's title, the
// tables' heading).
QWidget *choiceTab(PrintCommands &commands, const Texts &language)
{
    auto *tab = new QWidget;
    tab->setObjectName(QStringLiteral("tableChoiceTab"));
    tab->setWindowTitle(toQString(language.tables.heading));
    auto *layout = new QVBoxLayout(tab);
    layout->addWidget(new QLabel(toQString(language.printing.question), tab));
    auto *group = new QButtonGroup(tab);
    for (const TableChoice choice : allTableChoices) {
        auto *button = new QRadioButton(tableChoiceText(choice, language), tab);
        button->setChecked(choice == commands.choice());
        group->addButton(button, static_cast<int>(choice));
        layout->addWidget(button);
    }
    layout->addStretch();
    QObject::connect(group, &QButtonGroup::idToggled, tab, [&commands](int id, bool checked) {
        if (checked)
            commands.setChoice(static_cast<TableChoice>(id));
    });
    return tab;
}

} // namespace

SheetHeading PrintCommands::heading() const
{
    return {QStringLiteral("%1 %2").arg(QString::fromUtf8(version::kProductName),
                                        QLatin1String(version::kVersion)),
            &m_texts};
}

QString PrintCommands::suggestedPdfPath() const
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(toQString(m_texts.printing.fileName));
}

bool PrintCommands::paint(QPrinter &printer) const
{
    int first = 1;
    int last = 0;
    if (printer.printRange() == QPrinter::PageRange) {
        first = printer.fromPage();
        last = printer.toPage();
    }
    return paintSheets(printer, chosenTables(m_choice, m_texts), heading(), first, last);
}

void PrintCommands::print(QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(toQString(m_texts.printing.documentName));
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("printDialog"));
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    dialog.setMinMax(1, sheetPageCount(chosenTables(TableChoice::All, m_texts), m_texts));
    dialog.setOptionTabs({choiceTab(*this, m_texts)});
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!paint(printer)) {
        showFailure(parent, toQString(m_texts.printing.print),
                    toQString(m_texts.printing.nothingPrinted));
    }
}

void PrintCommands::preview(QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(toQString(m_texts.printing.documentName));
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("previewDialog"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [this](QPrinter *shown) { paint(*shown); });

    // The choice sits in the preview's tool bar, so that what is chosen is
    // what is seen, and what is seen is what its print button prints.
    auto *previewWidget = dialog.findChild<QPrintPreviewWidget *>();
    if (auto *toolBar = dialog.findChild<QToolBar *>(); toolBar && previewWidget) {
        auto *tables = new QComboBox(toolBar);
        tables->setObjectName(QStringLiteral("tableChoice"));
        tables->setAccessibleName(toQString(m_texts.tables.heading));
        for (const TableChoice choice : allTableChoices)
            tables->addItem(tableChoiceText(choice, m_texts), static_cast<int>(choice));
        tables->setCurrentIndex(tables->findData(static_cast<int>(m_choice)));
        toolBar->addSeparator();
        toolBar->addWidget(tables);
        QObject::connect(tables, &QComboBox::currentIndexChanged, &dialog,
                         [this, tables, previewWidget] {
                             m_choice = static_cast<TableChoice>(tables->currentData().toInt());
                             previewWidget->updatePreview();
                         });
    }
    dialog.exec();
}

void PrintCommands::savePdf(QWidget *parent)
{
    const QString title = toQString(m_texts.printing.savePdf);
    QFileDialog dialog(parent, title);
    dialog.setObjectName(QStringLiteral("pdfFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = pdfNameFilters(m_texts);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.at(static_cast<int>(m_choice)));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    const QString suggested = suggestedPdfPath();
    dialog.setDirectory(QFileInfo(suggested).absolutePath());
    dialog.selectFile(QFileInfo(suggested).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    m_choice = choiceOfNameFilter(dialog.selectedNameFilter(), m_texts);

    const QString failure = writePdfFile(dialog.selectedFiles().constFirst(),
                                         chosenTables(m_choice, m_texts), heading());
    if (!failure.isEmpty())
        showFailure(parent, title, filled(m_texts.printing.notSaved, {{"reason", failure}}));
}

} // namespace velmarit
