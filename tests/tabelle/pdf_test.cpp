// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// velmarit-tabelle --pdf as a user runs it, read back with poppler's tools:
// the page format and fonts, the text a search finds, and the levers as
// they are printed. Expected switches come straight from the codes library.

#include "popplerpages.h"
#include "programrun.h"

#include "codes/macode.h"
#include "codes/deltacode.h"
#include "codes/lokcode.h"
#include "version/velmaritversion.h"

#include <csignal>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <sys/resource.h>

using namespace velmarit;
using namespace velmarit::test;

// Readable test names in ctest instead of byte dumps.
void PrintTo(const QString &text, std::ostream *os)
{
    *os << text.toStdString();
}

namespace {

QString fromCodes(const std::string &text)
{
    return QString::fromStdString(text).trimmed();
}

// The switches to set ON for a row, from the codes library.
struct ExpectedRow
{
    QString table; // "lok", "delta", "weichen"
    QString address;
    QString onSwitches;       // as the codes list them; empty: none
    QStringList leadingCells; // turnouts: the decoder address after the turnout
    QStringList trailingCells;
};

QList<ExpectedRow> expectedRows(const QString &table)
{
    QList<ExpectedRow> rows;
    if (table == QStringLiteral("lok")) {
        for (int a = 1; a <= 80; ++a)
            rows.append(
                {table, QString::number(a), fromCodes(switchListLok(std::int16_t(a))), {}, {}});
    } else if (table == QStringLiteral("delta")) {
        for (const DeltaRow &row : deltaAddressTable) {
            rows.append(
                {table,
                 QString::fromUtf8(row.addressText.data(), qsizetype(row.addressText.size()))
                     .trimmed(),
                 QString::fromUtf8(row.switchText.data(), qsizetype(row.switchText.size())),
                 {},
                 {}});
        }
        rows.append({table, fromCodes(addressTextLokDelta(std::nullopt)), QString(), {}, {}});
    } else {
        for (int n = 1; n <= 256; ++n) {
            rows.append({table,
                         QString::number(n),
                         fromCodes(switchListMA(n)),
                         {QString::number((n + 3) / 4)},
                         {QString::number((n - 1) / 16 + 1), QString::number((n - 1) % 16 + 1)}});
        }
    }
    return rows;
}

// The PDFs under test, each made once when a test first asks for it (ctest
// runs every test in a process of its own).
class PdfFiles : public testing::Test
{
protected:
    static void TearDownTestSuite()
    {
        delete directory;
        directory = nullptr;
    }
    // "alle" for all three tables, otherwise the one table of that name.
    static QString pdfOf(const QString &name)
    {
        if (directory == nullptr)
            directory = new QTemporaryDir;
        const QString path = directory->filePath(name + QStringLiteral(".pdf"));
        if (!QFileInfo::exists(path)) {
            QStringList arguments{QStringLiteral("--pdf"), path};
            if (name != QStringLiteral("alle"))
                arguments.append(name);
            const ProgramRun run = runTabelle(arguments);
            EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        }
        return path;
    }

    static QTemporaryDir *directory;
};

QTemporaryDir *PdfFiles::directory = nullptr;

} // namespace

struct DocumentCase
{
    QStringList tables; // empty: all three
    int pages;
    QStringList titlesInOrder;
};

void PrintTo(const DocumentCase &c, std::ostream *os)
{
    *os << "[" << c.tables.join(u' ').toStdString() << "]";
}

class PdfDocument : public testing::TestWithParam<DocumentCase>
{
};

// Lok: 80 rows in two blocks of 20 a page; Delta: one page; turnouts: two
// keyboards (32 rows) a page.
TEST_P(PdfDocument, IsA4WithEmbeddedFontsAndNumberedPages)
{
    const DocumentCase &c = GetParam();
    QTemporaryDir directory;
    const QString pdf = directory.filePath(QStringLiteral("t.pdf"));
    const ProgramRun run = runTabelle(QStringList{QStringLiteral("--pdf"), pdf} + c.tables);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    const QString info = runProgram(QStringLiteral("pdfinfo"), {pdf}).out;
    EXPECT_TRUE(info.contains(QStringLiteral("Pages:           %1\n").arg(c.pages)))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("Page size:       595 x 842 pts (A4)")));
    const QString program = "velmarit-tabelle " + QLatin1String(velmarit::version::kVersion);
    EXPECT_TRUE(info.contains("Creator:         " + program));

    // pdffonts: two heading lines, then one line per font; "emb" is the
    // fourth column from the right.
    const QStringList fonts =
        runProgram(QStringLiteral("pdffonts"), {pdf}).out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GE(fonts.size(), 3) << "no font at all";
    for (const QString &line : fonts.mid(2)) {
        const QStringList columns = line.split(u' ', Qt::SkipEmptyParts);
        ASSERT_GE(columns.size(), 6);
        EXPECT_EQ(columns.at(columns.size() - 5), QStringLiteral("yes"))
            << "not embedded: " << line.toStdString();
        EXPECT_TRUE(line.startsWith(QStringLiteral("LiberationSans"))) << line.toStdString();
    }

    const QString text = runProgram(QStringLiteral("pdftotext"),
                                    {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
                             .out;
    const QStringList pages = text.split(u'\f', Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), c.pages);
    qsizetype title = 0;
    for (int p = 0; p < c.pages; ++p) {
        EXPECT_TRUE(
            pages.at(p).contains(QStringLiteral("Seite %1 von %2").arg(p + 1).arg(c.pages)));
        EXPECT_TRUE(pages.at(p).contains(program));
        if (title < c.titlesInOrder.size() && pages.at(p).contains(c.titlesInOrder.at(title)))
            ++title;
    }
    EXPECT_EQ(title, c.titlesInOrder.size()) << "tables missing or out of order";
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, PdfDocument,
    testing::Values(
        DocumentCase{{}, 11, {"Digital-Decoder (Lok)", "Delta-Decoder", "Weichen-Decoder"}},
        DocumentCase{{"lok"}, 2, {"Digital-Decoder (Lok)"}},
        DocumentCase{{"delta"}, 1, {"Delta-Decoder"}},
        DocumentCase{{"weichen"}, 8, {"Weichen-Decoder"}},
        DocumentCase{{"weichen", "lok"}, 10, {"Weichen-Decoder", "Digital-Decoder (Lok)"}}));

class PdfText : public PdfFiles, public testing::WithParamInterface<QString>
{
};

// A search in the PDF finds every address on the line with its switches.
TEST_P(PdfText, HoldsEveryRowWithItsSwitchNumbers)
{
    const QString text =
        runProgram(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), pdfOf(QStringLiteral("alle")), QStringLiteral("-")})
            .out;
    const QString table = GetParam();
    const QList<ExpectedRow> rows = expectedRows(table);
    ASSERT_FALSE(rows.isEmpty());
    // Within the section of this table.
    const QString title = table == QStringLiteral("lok") ? QStringLiteral("Digital-Decoder (Lok)")
                          : table == QStringLiteral("delta") ? QStringLiteral("Delta-Decoder")
                                                             : QStringLiteral("Weichen-Decoder");
    QString section;
    for (const QString &page : text.split(u'\f')) {
        if (page.contains(title))
            section += page;
    }
    ASSERT_FALSE(section.isEmpty());
    for (const ExpectedRow &row : rows) {
        // Cells stand apart by a wide gap, the switch numbers by a narrow one;
        // a row starts a line or follows a wide gap.
        QStringList cells{QRegularExpression::escape(row.address)};
        for (const QString &cell : row.leadingCells)
            cells.append(QRegularExpression::escape(cell));
        cells.append(row.onSwitches.isEmpty()
                         ? QStringLiteral("keiner")
                         : row.onSwitches.split(u' ').join(QStringLiteral(" {1,2}")));
        for (const QString &cell : row.trailingCells)
            cells.append(QRegularExpression::escape(cell));
        const QRegularExpression pattern(
            QStringLiteral("(^|  )%1( |$)").arg(cells.join(QStringLiteral(" {2,}"))),
            QRegularExpression::MultilineOption);
        EXPECT_EQ(section.count(pattern), 1)
            << table.toStdString() << " " << row.address.toStdString() << ": "
            << pattern.pattern().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Tabelle, PdfText,
                         testing::Values(QStringLiteral("lok"), QStringLiteral("delta"),
                                         QStringLiteral("weichen")));

struct PictureCase
{
    QString table;
    QString address;
};

void PrintTo(const PictureCase &c, std::ostream *os)
{
    *os << c.table.toStdString() << " " << c.address.toStdString();
}

class PdfPictures : public PdfFiles, public testing::WithParamInterface<PictureCase>
{
};

// Renders the table's pages, finds the row's switch block and reads every
// lever: exactly the switches the codes give must be drawn ON.
TEST_P(PdfPictures, DrawExactlyTheCodedSwitchesOn)
{
    const PictureCase &c = GetParam();
    const QList<ExpectedRow> rows = expectedRows(c.table);
    const auto expected = std::find_if(
        rows.begin(), rows.end(), [&](const ExpectedRow &row) { return row.address == c.address; });
    ASSERT_NE(expected, rows.end());
    const int switchCount = c.table == QStringLiteral("lok")     ? 8
                            : c.table == QStringLiteral("delta") ? 4
                                                                 : 10;
    // The address is the nearest word left of the block; a turnout's decoder
    // address stands between them.
    const qsizetype addressPlace = c.table == QStringLiteral("weichen") ? 1 : 0;

    const QString pdf = pdfOf(c.table);
    const auto pages = wordsOfPages(pdf);
    ASSERT_FALSE(pages.isEmpty());
    int found = 0;
    for (int p = 0; p < pages.size(); ++p) {
        const double labelHeight = smallestHeight(pages.at(p));
        const bool onPage = std::any_of(pages.at(p).begin(), pages.at(p).end(), [&](const Word &w) {
            return w.text == c.address && w.height() > labelHeight + 0.2;
        });
        if (!onPage)
            continue;
        const auto grey = renderPage(pdf, p + 1, 200, directory->path());
        ASSERT_TRUE(grey) << "page " << p + 1 << " not rendered";
        for (const DrawnBlock &block : drawnBlocks(pages.at(p), *grey)) {
            if (block.wordsBefore.value(addressPlace) != c.address)
                continue;
            ++found;
            if (addressPlace > 0) {
                ASSERT_EQ(block.wordsBefore.value(0), expected->leadingCells.value(0));
            }
            ASSERT_EQ(block.levers.size(), switchCount);
            const QStringList on = expected->onSwitches.split(u' ', Qt::SkipEmptyParts);
            for (int sw = 1; sw <= switchCount; ++sw) {
                const auto &lever = block.levers.at(sw - 1);
                ASSERT_TRUE(lever) << "no lever above switch " << sw;
                EXPECT_EQ(lever->on, on.contains(QString::number(sw))) << "switch " << sw;
            }
        }
    }
    EXPECT_EQ(found, 1) << "row drawn " << found << " times";
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, PdfPictures,
    testing::Values(PictureCase{"lok", "1"}, PictureCase{"lok", "13"}, PictureCase{"lok", "40"},
                    PictureCase{"lok", "41"}, PictureCase{"lok", "79"}, PictureCase{"lok", "80"},
                    PictureCase{"delta", "2"}, PictureCase{"delta", "26"},
                    PictureCase{"delta", "80"}, PictureCase{"delta", "analog"},
                    PictureCase{"weichen", "1"}, PictureCase{"weichen", "4"},
                    PictureCase{"weichen", "5"}, PictureCase{"weichen", "32"},
                    PictureCase{"weichen", "33"}, PictureCase{"weichen", "100"},
                    PictureCase{"weichen", "253"}, PictureCase{"weichen", "256"}));

// A print server or an SSH session has no display and no platform set.
TEST(PdfWithoutDisplay, IsWrittenAndTextNeedsNoGuiPlatform)
{
    QTemporaryDir directory;
    QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        bare.remove(QString::fromLatin1(name));
    const QString pdf = directory.filePath(QStringLiteral("d.pdf"));
    const ProgramRun run =
        runTabelle({QStringLiteral("--pdf"), pdf, QStringLiteral("delta")}, {.environment = bare});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(runProgram(QStringLiteral("pdfinfo"), {pdf})
                    .out.contains(QStringLiteral("Pages:           1\n")));

    // Text and CSV never load a platform: a platform that does not exist
    // would abort any program that tried.
    QProcessEnvironment broken = bare;
    broken.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("keine-solche-plattform"));
    EXPECT_EQ(runTabelle({QStringLiteral("lok")}, {.environment = broken}).exitCode, 0);
    EXPECT_EQ(runTabelle({QStringLiteral("--csv")}, {.environment = broken}).exitCode, 0);
}

struct FailureCase
{
    const char *name;
    QString target;     // "%1": a fresh temporary folder
    QString oldContent; // written to the target first; empty: none
    rlim_t fileSizeLimit;
    QString message;
};

void PrintTo(const FailureCase &c, std::ostream *os)
{
    *os << c.name;
}

using PdfFailure = testing::TestWithParam<FailureCase>;

TEST_P(PdfFailure, ExitsWithOneAndLeavesNoFile)
{
    const FailureCase &c = GetParam();
    QTemporaryDir directory;
    const QString target = c.target.arg(directory.path());
    if (!c.oldContent.isEmpty()) {
        QFile old(target);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(c.oldContent.toUtf8());
    }
    const QStringList before =
        QDir(directory.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    // A full disk: writes past the limit fail with EFBIG.
    const auto limitFileSize = [limit = c.fileSizeLimit] {
        if (limit == 0)
            return;
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{limit, limit};
        setrlimit(RLIMIT_FSIZE, &small);
    };
    const ProgramRun run =
        runTabelle({QStringLiteral("--pdf"), target}, {.childSetup = limitFileSize});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("velmarit-tabelle: "))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
    EXPECT_EQ(
        QDir(directory.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        before)
        << "a file was left behind";
    if (!c.oldContent.isEmpty()) {
        QFile old(target);
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromUtf8(old.readAll()), c.oldContent) << "the old file was changed";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, PdfFailure,
    testing::Values(
        FailureCase{"MissingFolder", "%1/fehlt/t.pdf", {}, 0, "Den Ordner"},
        FailureCase{"Folder", "%1", {}, 0, "ist ein Ordner"},
        FailureCase{"Device", "/dev/null", {}, 0, "keine gewöhnliche Datei"},
        FailureCase{
            "NoFilesAllowed", "/proc/velmarit-tabelle.pdf", {}, 0, "kann nicht angelegt werden"},
        FailureCase{"DiskFull", "%1/t.pdf", {}, 20000, "nicht vollständig geschrieben"},
        FailureCase{"DiskFullKeepsOldFile", "%1/t.pdf", "alte Tabelle", 20000,
                    "nicht vollständig geschrieben"}));

struct FontCase
{
    friend void PrintTo(const FontCase &c, std::ostream *os) { *os << c.name; }

    const char *name;
    QStringList fontFiles; // all the fonts fontconfig is given
    QString embedded;      // the font the PDF carries; empty: no PDF is made
};

using PdfFonts = testing::TestWithParam<FontCase>;

// Where neither face of the font list is installed, any font with every
// character of the tables will do; where none has them, the text would come
// out as empty boxes, so no PDF is written and the program says why.
TEST_P(PdfFonts, TakesAFontWithEveryCharacterOrWritesNothing)
{
    const FontCase &c = GetParam();
    QTemporaryDir directory;
    const QString fonts = directory.filePath(QStringLiteral("fonts"));
    ASSERT_TRUE(QDir().mkpath(fonts));
    for (const QString &file : c.fontFiles) {
        // ./scripts/test installs them; a package build may lack them.
        if (!QFileInfo::exists(file))
            GTEST_SKIP() << file.toStdString() << " is not installed";
        ASSERT_TRUE(QFile::link(file, QDir(fonts).filePath(QFileInfo(file).fileName())));
    }
    const QString config = directory.filePath(QStringLiteral("fonts.conf"));
    QFile configFile(config);
    ASSERT_TRUE(configFile.open(QIODevice::WriteOnly));
    configFile.write(QStringLiteral("<?xml version=\"1.0\"?>\n<fontconfig><dir>%1</dir>"
                                    "<cachedir>%2</cachedir></fontconfig>\n")
                         .arg(fonts, directory.filePath(QStringLiteral("cache")))
                         .toUtf8());
    configFile.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("FONTCONFIG_FILE"), config);

    const QString pdf = directory.filePath(QStringLiteral("t.pdf"));
    const ProgramRun run = runTabelle({QStringLiteral("--pdf"), pdf, QStringLiteral("delta")},
                                      {.environment = environment});
    if (c.embedded.isEmpty()) {
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, QStringLiteral("velmarit-tabelle: Für das PDF fehlt eine Schrift: weder "
                                          "Arial noch Liberation Sans noch eine andere Schrift mit "
                                          "allen Zeichen der Tabellen ist installiert. Es wurde "
                                          "nichts gespeichert.\n"));
        EXPECT_FALSE(QFileInfo::exists(pdf)) << "a PDF was written";
    } else {
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(runProgram(QStringLiteral("pdffonts"), {pdf}).out.contains(c.embedded));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, PdfFonts,
    testing::Values(
        FontCase{"NoFontAtAll", {}, {}},
        // Dingbats (fonts-urw-base35): pictures where the letters should be.
        FontCase{"OnlyAFontWithoutLetters",
                 {QStringLiteral("/usr/share/fonts/opentype/urw-base35/D050000L.otf")},
                 {}},
        FontCase{
            "OnlyAnotherFamily",
            {QStringLiteral("/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf"),
             QStringLiteral("/usr/share/fonts/truetype/liberation2/LiberationSerif-Bold.ttf")},
            QStringLiteral("LiberationSerif")}),
    [](const auto &info) { return std::string(info.param.name); });
