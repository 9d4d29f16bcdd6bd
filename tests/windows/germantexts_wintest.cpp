// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Qt's own texts in the Windows build: a Windows user has no Qt installation
// to read a catalogue from, so the German one must be inside the program and
// reach every part of Qt the user meets (edit menu, message box buttons, the
// print, preview and file dialogs).

#include "translations/germanqttexts.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>

using namespace velmarit;

namespace {

struct QtText {
    const char *context;
    const char *english;
    const char *german;
};

class GermanQtTexts : public ::testing::TestWithParam<QtText>
{
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(installGermanQtTexts()); }
};

} // namespace

TEST(WindowsGermanQtCatalogue, IsBuiltIntoTheProgram)
{
    EXPECT_TRUE(germanQtCatalogue().startsWith(QLatin1Char(':')));
    EXPECT_TRUE(QFile::exists(germanQtCatalogue()));
}

TEST_P(GermanQtTexts, AreGerman)
{
    const QtText &text = GetParam();
    EXPECT_EQ(QCoreApplication::translate(text.context, text.english).toStdString(), text.german);
}

INSTANTIATE_TEST_SUITE_P(
    EveryPartTheUserMeets, GermanQtTexts,
    ::testing::Values(QtText{"QLineEdit", "&Undo", "&Rückgängig"},
                      QtText{"QLineEdit", "Select All", "Alles auswählen"},
                      QtText{"QPlatformTheme", "Cancel", "Abbrechen"},
                      QtText{"QPrintDialog", "Print", "Drucken"},
                      QtText{"QPrintPreviewDialog", "Print Preview", "Druckvorschau"},
                      QtText{"QPrintPreviewDialog", "Page Setup", "Seite einrichten"},
                      QtText{"QFileDialog", "Save As", "Speichern unter"}));

int main(int argc, char **argv)
{
    // The translator needs an application to be installed into.
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
