// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line read into a request, before anything is written.

#include "commandline.h"
#include "tabletestsupport.h"

#include <gtest/gtest.h>

using namespace velmarit;

namespace {

QStringList commandLine(QStringList arguments)
{
    arguments.prepend(QStringLiteral("velmarit-tabelle"));
    return arguments;
}

} // namespace

struct OptionCase
{
    QStringList arguments;
    bool asks;
};

void PrintTo(const OptionCase &c, std::ostream *os)
{
    *os << "[" << c.arguments.join(u' ').toStdString() << "]";
}

// The program must know whether it is asked for a PDF before its command-line
// parser can run: only then does it set up the fonts.
using PdfRequest = testing::TestWithParam<OptionCase>;

TEST_P(PdfRequest, IsSeenBeforeTheParserRuns)
{
    EXPECT_EQ(asksForPdf(commandLine(GetParam().arguments)), GetParam().asks);
}

INSTANTIATE_TEST_SUITE_P(
    Sheet, PdfRequest,
    testing::Values(OptionCase{{}, false}, OptionCase{{"--pdf", "a.pdf"}, true},
                    OptionCase{{"lok", "--pdf=a.pdf"}, true}, OptionCase{{"--pdf"}, true},
                    OptionCase{{"--pdfx"}, false}, OptionCase{{"-pdf"}, false},
                    OptionCase{{"--csv", "pdf"}, false}, OptionCase{{"--", "--pdf"}, false},
                    OptionCase{{"lok", "--", "--pdf=a"}, false}));

struct RequestCase
{
    QStringList arguments;
    Request::Form form;
    std::vector<Decoder> tables;
    QString pdfFile;
};

void PrintTo(const RequestCase &c, std::ostream *os)
{
    *os << "[" << c.arguments.join(u' ').toStdString() << "]";
}

// What is written, in which order and where: the parts of a request that
// reach no output stream the command-line runs could compare.
using TableRequest = testing::TestWithParam<RequestCase>;

TEST_P(TableRequest, NamesFormTablesAndFile)
{
    const RequestCase &c = GetParam();
    const Request request = parseRequest(commandLine(c.arguments));
    ASSERT_EQ(request.action, Request::Action::WriteTables) << request.text.toStdString();
    EXPECT_EQ(request.form, c.form);
    EXPECT_EQ(request.tables, c.tables);
    EXPECT_EQ(request.pdfFile, c.pdfFile);
}

constexpr auto text = Request::Form::Text;
constexpr auto csv = Request::Form::Csv;
constexpr auto pdf = Request::Form::Pdf;
constexpr auto lok = Decoder::Lok;
constexpr auto delta = Decoder::Delta;
constexpr auto weichen = Decoder::MA;

INSTANTIATE_TEST_SUITE_P(
    Tabelle, TableRequest,
    testing::Values(RequestCase{{}, text, {lok, delta, weichen}, {}},
                    RequestCase{{"weichen", "Lok", "WEICHEN"}, text, {weichen, lok}, {}},
                    RequestCase{{"delta", "--csv"}, csv, {delta}, {}},
                    RequestCase{
                        {"--pdf", "Jürgen Müller.pdf", "lok"}, pdf, {lok}, "Jürgen Müller.pdf"},
                    RequestCase{{"--pdf=-", "--", "delta"}, pdf, {delta}, "-"},
                    RequestCase{{"--pdf", "--csv"}, pdf, {lok, delta, weichen}, "--csv"}));

TEST(TableRequest, HelpAndVersionAreTextsToWrite)
{
    const Request help = parseRequest(commandLine({QStringLiteral("lok"), QStringLiteral("-h")}));
    EXPECT_EQ(help.action, Request::Action::WriteText);
    EXPECT_TRUE(help.text.contains(QStringLiteral("--pdf <datei>"))) << help.text.toStdString();
    EXPECT_EQ(parseRequest(commandLine({QStringLiteral("--help-all")})).text, help.text);

    const Request version = parseRequest(commandLine({QStringLiteral("--version")}));
    EXPECT_EQ(version.action, Request::Action::WriteText);
    EXPECT_TRUE(version.text.endsWith(u'\n'));
    EXPECT_NE(version.text, help.text);
}
