// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "language/languagechoice.h"

#include <QLocale>

#include <algorithm>

namespace velmarit {

namespace {

// "nl" of "nl-BE", "nl_BE" or "nl-Latn-BE", in lower case.
QString languageOf(const QString &tag)
{
    return tag.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
}

const Texts *textsOf(const QString &language)
{
    const auto found =
        std::find_if(texts::languages.begin(), texts::languages.end(), [&](const Texts *texts) {
            return QString::fromUtf8(texts->lang.data(), qsizetype(texts->lang.size())) == language;
        });
    return found == texts::languages.end() ? nullptr : *found;
}

} // namespace

const Texts &textsForLanguages(const QStringList &preferred)
{
    for (const QString &tag : preferred) {
        if (const Texts *texts = textsOf(languageOf(tag)))
            return *texts;
    }
    return texts::german;
}

const Texts &systemTexts()
{
    return textsForLanguages(QLocale::system().uiLanguages());
}

QLocale localeFor(const Texts &language)
{
    const QLocale system = QLocale::system();
    const QString code = QString::fromUtf8(language.lang.data(), qsizetype(language.lang.size()));
    if (languageOf(system.name()) == code)
        return system;
    return QLocale(code);
}

} // namespace velmarit
