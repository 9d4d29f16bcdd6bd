// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "germanparsertexts.h"

#include <cstring>
#include <iterator>

namespace velmarit {

namespace {

struct Wording
{
    const char *english;
    const char *german;
};

constexpr Wording wordings[] = {
    {"Usage: %1", "Aufruf: %1"},
    {"Options:", "Optionen:"},
    {"Arguments:", "Argumente:"},
    {"[options]", "[Optionen]"},
    {"Displays help on commandline options.", "Zeigt diese Hilfe an."},
    {"Displays help including Qt specific options.",
     "Zeigt die Hilfe einschließlich der Qt-eigenen Optionen an."},
    {"Displays version information.", "Zeigt die Versionsnummer an."},
    {"Unknown option '%1'.", "Unbekannte Option „%1“."},
    {"Unknown options: %1.", "Unbekannte Optionen: %1."},
    {"Missing value after '%1'.", "Fehlender Wert nach „%1“."},
    {"Unexpected value after '%1'.", "Unerwarteter Wert nach „%1“."},
};

} // namespace

QString GermanParserTexts::translate(const char *context, const char *sourceText,
                                     const char * /*disambiguation*/, int /*n*/) const
{
    if (context == nullptr || sourceText == nullptr ||
        std::strcmp(context, "QCommandLineParser") != 0)
        return {};
    for (const Wording &w : wordings) {
        if (std::strcmp(sourceText, w.english) == 0)
            return QString::fromUtf8(w.german);
    }
    return {};
}

} // namespace velmarit
