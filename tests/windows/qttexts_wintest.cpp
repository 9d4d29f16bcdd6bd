// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Qt's own texts in the Windows build: a Windows user has no Qt installation
// to read a catalogue from, so the catalogue of every language the program
// speaks (English aside, Qt's own) must be inside the program and reach
// every part of Qt the user meets (edit menu, message box buttons, the
// print, preview and file dialogs, the command line's help).

#include "translations/qttexts.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>
#include <QTranslator>

using namespace velmarit;

namespace {

struct QtText
{
    const char *language;
    const char *context;
    const char *english;
    const char *translated;
};

void PrintTo(const QtText &text, std::ostream *os)
{
    *os << text.language << ": " << text.english;
}

class QtCatalogues : public ::testing::TestWithParam<QtText>
{
};

} // namespace

TEST(WindowsQtCatalogues, AreBuiltIntoTheProgram)
{
    for (const char *language : {"de", "nl", "fr"}) {
        const QString catalogue = qtCatalogue(QString::fromLatin1(language));
        EXPECT_TRUE(catalogue.startsWith(QLatin1Char(':'))) << language;
        EXPECT_TRUE(QFile::exists(catalogue)) << language;
    }
    // Qt's texts are English already.
    EXPECT_FALSE(QFile::exists(qtCatalogue(QStringLiteral("en"))));
    EXPECT_TRUE(installQtTexts(texts::german));
}

TEST_P(QtCatalogues, TranslateWhatTheUserMeets)
{
    const QtText &text = GetParam();
    QTranslator translator;
    ASSERT_TRUE(translator.load(qtCatalogue(QString::fromLatin1(text.language))));
    EXPECT_EQ(translator.translate(text.context, text.english).toStdString(), text.translated);
}

INSTANTIATE_TEST_SUITE_P(
    EveryPartTheUserMeets, QtCatalogues,
    ::testing::Values(QtText{"de", "QLineEdit", "&Undo", "&Rückgängig"},
                      QtText{"de", "QLineEdit", "Select All", "Alles auswählen"},
                      QtText{"de", "QPlatformTheme", "Cancel", "Abbrechen"},
                      QtText{"de", "QPrintDialog", "Print", "Drucken"},
                      QtText{"de", "QPrintPreviewDialog", "Print Preview", "Druckvorschau"},
                      QtText{"de", "QPrintPreviewDialog", "Page Setup", "Seite einrichten"},
                      QtText{"de", "QFileDialog", "Save As", "Speichern unter"},
                      QtText{"nl", "QLineEdit", "&Undo", "&Ongedaan maken"},
                      QtText{"nl", "QPlatformTheme", "Cancel", "Annuleren"},
                      QtText{"nl", "QPrintDialog", "Print", "Afdrukken"},
                      QtText{"nl", "QFileDialog", "Save As", "Opslaan als"},
                      QtText{"fr", "QLineEdit", "&Undo", "&Annuler"},
                      QtText{"fr", "QPlatformTheme", "Cancel", "Annuler"},
                      QtText{"fr", "QPrintDialog", "Print", "Imprimer"},
                      QtText{"fr", "QFileDialog", "Save As", "Enregistrer sous"}));

int main(int argc, char **argv)
{
    // The translator needs an application to be installed into.
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
