// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTranslator>

namespace velmarit {

// German wording for the few texts the command-line parser writes itself
// (usage line, section titles, the standard options, its error messages), so
// that the help and every error read in one language without shipping a
// translation catalogue.
class GermanParserTexts : public QTranslator
{
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText,
                      const char *disambiguation = nullptr, int n = -1) const override;
};

} // namespace velmarit
