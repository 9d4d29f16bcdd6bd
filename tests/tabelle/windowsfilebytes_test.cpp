// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The bytes velmarit-tabelle.exe writes into a redirected file on Windows.

#include "outputforms.h"
#include "tables/codingtable.h"

#include <gtest/gtest.h>

using namespace velmarit;

struct WindowsBytesCase
{
    const char *name;
    const char *text;
    OutputForm form;
    QByteArray bytes;
};

void PrintTo(const WindowsBytesCase &c, std::ostream *os)
{
    *os << c.name;
}

class WindowsFileBytes : public testing::TestWithParam<WindowsBytesCase>
{
};

TEST_P(WindowsFileBytes, AreUtf8WithSingleCrLf)
{
    EXPECT_EQ(windowsFileBytes(QString::fromUtf8(GetParam().text), GetParam().form),
              GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowsFileBytes,
    testing::Values(
        WindowsBytesCase{"empty_text", "", OutputForm::Text, ""},
        WindowsBytesCase{"empty_csv", "", OutputForm::Csv, "\xEF\xBB\xBF"},
        WindowsBytesCase{"umlauts_text", "Schalter für Weichen\n", OutputForm::Text,
                         "Schalter f\xC3\xBCr Weichen\r\n"},
        WindowsBytesCase{"umlauts_csv", "Adresse,Schalter für\n1,\"2,3\"\n", OutputForm::Csv,
                         "\xEF\xBB\xBF"
                         "Adresse,Schalter f\xC3\xBCr\r\n1,\"2,3\"\r\n"},
        WindowsBytesCase{"leading_and_empty_lines", "\n\nx\n", OutputForm::Text, "\r\n\r\nx\r\n"},
        WindowsBytesCase{"crlf_kept_single", "a\r\nb\n", OutputForm::Text, "a\r\nb\r\n"},
        WindowsBytesCase{"lone_cr_untouched", "a\rb", OutputForm::Text, "a\rb"},
        WindowsBytesCase{"form_feed_kept", "Seite 1\n\fSeite 2\n", OutputForm::Text,
                         "Seite 1\r\n\fSeite 2\r\n"},
        WindowsBytesCase{"no_line_end_at_close", "Ende", OutputForm::Text, "Ende"}),
    [](const auto &info) { return std::string(info.param.name); });

// The whole turnout table: taking the mark and the CRs away gives back the
// Linux bytes, so a spreadsheet reads the same cells on both systems.
TEST(WindowsFileBytes, CsvTableDiffersOnlyByMarkAndCr)
{
    const QString csv = formatCsv(codingTable(Decoder::MA));
    QByteArray bytes = windowsFileBytes(csv, OutputForm::Csv);
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(bytes.count("\r\n"), csv.count(u'\n'));
    bytes.remove(0, 3);
    bytes.replace("\r\n", "\n");
    EXPECT_EQ(bytes, csv.toUtf8());
}
