// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "texts/texts.h"

#include <QLocale>
#include <QStringList>

// The programs speak the language their user reads, when there are texts
// for it (texts/), and German otherwise. There is no choice in the programs
// themselves: the system says which languages its user prefers.
namespace velmarit {

// The texts of the first language in `preferred` that there are texts for,
// `preferred` listed as QLocale::uiLanguages() lists them, best first
// ("fr-FR", "nl-BE", "en-Latn-US", "C"); a language counts whatever country
// or script follows it. German when none has texts: for "C" (the C and POSIX
// locales, and no locale set at all), "it-IT", or an empty list.
const Texts &textsForLanguages(const QStringList &preferred);

// The texts of the languages the user's system prefers
// (QLocale::system().uiLanguages()): on Linux from LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG, on Windows the user's display languages. Usable
// before the application object exists.
const Texts &systemTexts();

// The locale that dates, numbers and paper units follow with these texts:
// the system's own when it is of the texts' language (British English keeps
// its millimetres), else the language's usual one.
QLocale localeFor(const Texts &language);

} // namespace velmarit
