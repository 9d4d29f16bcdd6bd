// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program must know whether it is asked for a PDF before its command-line
// parser can run: only then does it set up the fonts.

#include "pdfrequest.h"

#include <gtest/gtest.h>

using namespace velmarit;

struct OptionCase
{
    QStringList arguments;
    bool asks;
};

void PrintTo(const OptionCase &c, std::ostream *os)
{
    *os << "[" << c.arguments.join(u' ').toStdString() << "]";
}

using PdfRequest = testing::TestWithParam<OptionCase>;

TEST_P(PdfRequest, IsSeenBeforeTheParserRuns)
{
    QStringList arguments = GetParam().arguments;
    arguments.prepend(QStringLiteral("velmarit-tabelle"));
    EXPECT_EQ(asksForOption(arguments, QStringLiteral("pdf")), GetParam().asks);
}

INSTANTIATE_TEST_SUITE_P(
    Sheet, PdfRequest,
    testing::Values(OptionCase{{}, false}, OptionCase{{"--pdf", "a.pdf"}, true},
                    OptionCase{{"lok", "--pdf=a.pdf"}, true}, OptionCase{{"--pdf"}, true},
                    OptionCase{{"--pdfx"}, false}, OptionCase{{"-pdf"}, false},
                    OptionCase{{"--csv", "pdf"}, false}, OptionCase{{"--", "--pdf"}, false},
                    OptionCase{{"lok", "--", "--pdf=a"}, false}));
