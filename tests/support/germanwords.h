// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The German words that another language's output must not hold: every word
// of German's texts (texts/de.json) that the other language's own texts do
// not have too. "Delta", "Keyboard", French "Adresse" or Dutch "Tabellen"
// are that language's own words as well, and pass. Needs the compile
// definition VELMARIT_TEXTS_DIR.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>

namespace velmarit::test {

// The words of `texts` (of three letters or more), in lower case.
inline QSet<QString> wordsOf(const QStringList &texts)
{
    static const QRegularExpression word(QStringLiteral("\\p{L}{3,}"));
    QSet<QString> words;
    for (const QString &text : texts)
        for (auto match = word.globalMatch(text); match.hasNext();)
            words.insert(match.next().captured().toLower());
    return words;
}

inline void collectTexts(const QJsonValue &value, QStringList &into)
{
    if (value.isString())
        into.append(value.toString());
    else if (value.isArray())
        for (const QJsonValue &item : value.toArray())
            collectTexts(item, into);
    else if (value.isObject())
        for (const QJsonValue &item : value.toObject())
            collectTexts(item, into);
}

// Every text of texts/<lang>.json.
inline QStringList languageTexts(const QString &lang)
{
    QFile file(QStringLiteral(VELMARIT_TEXTS_DIR "/%1.json").arg(lang));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    QStringList texts;
    collectTexts(QJsonDocument::fromJson(file.readAll()).object(), texts);
    return texts;
}

inline QSet<QString> germanOnlyWords(const QString &lang)
{
    return wordsOf(languageTexts(QStringLiteral("de"))) - wordsOf(languageTexts(lang));
}

// The German-only words among those of `texts`, sorted, apart by blanks;
// none for German.
inline QString germanWordsIn(const QStringList &texts, const QString &lang)
{
    if (lang == u"de")
        return {};
    QStringList found = (wordsOf(texts) & germanOnlyWords(lang)).values();
    found.sort();
    return found.join(u' ');
}

} // namespace velmarit::test
