// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The language the programs speak: the user's first preferred language that
// has texts, German otherwise. The cases of the environment run this test
// program again with that environment alone, so that Qt reads it afresh, as
// the programs do at their start.

#include "language/languagechoice.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QProcess>

#include <cstdio>
#include <string>

using namespace velmarit;

namespace {

std::string langOf(const Texts &texts)
{
    return std::string(texts.lang);
}

struct PreferenceCase
{
    const char *name;
    QStringList preferred;
    const char *lang;
};

void PrintTo(const PreferenceCase &c, std::ostream *os)
{
    *os << c.name;
}

using Preferences = ::testing::TestWithParam<PreferenceCase>;

TEST_P(Preferences, TakeTheFirstLanguageWithTexts)
{
    EXPECT_EQ(langOf(textsForLanguages(GetParam().preferred)), GetParam().lang);
}

INSTANTIATE_TEST_SUITE_P(
    Language, Preferences,
    ::testing::Values(PreferenceCase{"Nothing", {}, "de"},
                      PreferenceCase{"TheCLocale", {"C"}, "de"},
                      PreferenceCase{"German", {"de-DE", "de-Latn-DE", "de"}, "de"},
                      PreferenceCase{"Italian", {"it-IT", "it-Latn-IT", "it"}, "de"},
                      // Qt lists British English and Belgian Dutch without the bare language.
                      PreferenceCase{"BritishEnglish", {"en-GB", "en-Latn-GB"}, "en"},
                      PreferenceCase{"BelgianDutch", {"nl-BE", "nl-Latn-BE"}, "nl"},
                      PreferenceCase{"CanadianFrench", {"fr-CA", "fr-Latn-CA"}, "fr"},
                      PreferenceCase{"UnderscoreAndCase", {"FR_fr"}, "fr"},
                      PreferenceCase{"FirstWithTextsWins", {"it", "it-IT", "en", "en-US"}, "en"},
                      PreferenceCase{"GermanBeforeFrench", {"de-AT", "fr", "fr-FR"}, "de"},
                      PreferenceCase{"NoPrefixMatch", {"english", "fri", "nld"}, "de"}),
    [](const auto &info) { return std::string(info.param.name); });

struct SystemCase
{
    const char *name;
    QStringList environment; // all the program gets
    const char *lang;
    const char *locale; // what dates and paper units follow
};

void PrintTo(const SystemCase &c, std::ostream *os)
{
    *os << c.name;
}

// What this program says of the language in `environment`: its code and
// the locale, apart by a blank.
QString systemLanguageIn(const QStringList &environment)
{
    QProcess run;
    run.setEnvironment(environment);
    run.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--system-language")});
    if (!run.waitForFinished(30000) || run.exitCode() != 0)
        return QStringLiteral("<no answer: %1>").arg(QString::fromUtf8(run.readAllStandardError()));
    return QString::fromUtf8(run.readAllStandardOutput()).trimmed();
}

using System = ::testing::TestWithParam<SystemCase>;

TEST_P(System, LanguageAsQtReadsTheEnvironment)
{
    const SystemCase &c = GetParam();
    EXPECT_EQ(systemLanguageIn(c.environment).toStdString(), std::string(c.lang) + ' ' + c.locale);
}

INSTANTIATE_TEST_SUITE_P(
    Language, System,
    ::testing::Values(
        SystemCase{"Unset", {}, "de", "de_DE"}, SystemCase{"C", {"LANG=C"}, "de", "de_DE"},
        SystemCase{"CUtf8", {"LANG=C.UTF-8"}, "de", "de_DE"},
        SystemCase{"Posix", {"LC_ALL=POSIX"}, "de", "de_DE"},
        SystemCase{"German", {"LANG=de_DE.UTF-8"}, "de", "de_DE"},
        SystemCase{"Austrian", {"LANG=de_AT.UTF-8"}, "de", "de_AT"},
        SystemCase{"Italian", {"LANG=it_IT.UTF-8"}, "de", "de_DE"},
        SystemCase{"AmericanEnglish", {"LANG=en_US.UTF-8"}, "en", "en_US"},
        SystemCase{"BritishEnglish", {"LANG=en_GB.UTF-8"}, "en", "en_GB"},
        SystemCase{"Dutch", {"LANG=nl_NL.UTF-8"}, "nl", "nl_NL"},
        SystemCase{"BelgianDutch", {"LANG=nl_BE.UTF-8"}, "nl", "nl_BE"},
        SystemCase{"French", {"LANG=fr_FR.UTF-8"}, "fr", "fr_FR"},
        SystemCase{
            "LanguageListFrenchThenGerman", {"LANGUAGE=fr:de", "LANG=de_DE.UTF-8"}, "fr", "fr_FR"},
        SystemCase{"LanguageListItalianThenEnglish",
                   {"LANGUAGE=it:en", "LANG=it_IT.UTF-8"},
                   "en",
                   "en_US"},
        SystemCase{"LcAllOverLang", {"LC_ALL=en_US.UTF-8", "LANG=nl_NL.UTF-8"}, "en", "en_US"},
        SystemCase{
            "LcMessagesOverLang", {"LC_MESSAGES=nl_NL.UTF-8", "LANG=de_DE.UTF-8"}, "nl", "nl_NL"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && std::string(argv[1]) == "--system-language") {
        const Texts &texts = systemTexts();
        std::printf("%s %s\n", langOf(texts).c_str(), qPrintable(localeFor(texts).name()));
        return 0;
    }
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
