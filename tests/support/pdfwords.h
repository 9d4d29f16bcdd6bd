// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A PDF's text read back with poppler's tools, as a viewer shows it: the
// text as laid out or word by word, the page count, and every word with its
// box on the page.

#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace velmarit::test {

// What a poppler tool writes; a failed run gives a text that no expected
// text equals, naming the tool and its complaint.
inline QString popplerOutput(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>")
            .arg(program, QString::fromUtf8(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text as laid out on the pages, pages separated by form feeds.
inline QString pdfText(const QString &pdf)
{
    return popplerOutput(QStringLiteral("pdftotext"),
                         {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

// The words in reading order, without the blanks that the layout adds.
inline QString pdfWords(const QString &pdf)
{
    return popplerOutput(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
}

inline int pdfPages(const QString &pdf)
{
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(popplerOutput(QStringLiteral("pdfinfo"), {pdf})).captured(1).toInt();
}

// A word of the page's text; coordinates in points from the top left.
struct Word
{
    QString text;
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;

    double height() const { return yMax - yMin; }
    double xMiddle() const { return (xMin + xMax) / 2; }
    double yMiddle() const { return (yMin + yMax) / 2; }
    QRectF box() const { return QRectF(QPointF(xMin, yMin), QPointF(xMax, yMax)); }
};

// The words of every page (pdftotext -bbox); the page size, in points, goes
// into `pageSize` when asked for.
inline QList<QList<Word>> wordsOfPages(const QString &pdf, QSizeF *pageSize = nullptr)
{
    static const QRegularExpression pageLine(
        QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">"));
    static const QRegularExpression wordLine(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">(.*)</word>"));
    const QString out = popplerOutput(QStringLiteral("pdftotext"),
                                      {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    QList<QList<Word>> pages;
    for (const QString &line : out.split(u'\n')) {
        if (const auto page = pageLine.match(line); page.hasMatch()) {
            pages.append(QList<Word>());
            if (pageSize)
                *pageSize = QSizeF(page.captured(1).toDouble(), page.captured(2).toDouble());
        }
        if (const auto w = wordLine.match(line); w.hasMatch() && !pages.isEmpty()) {
            pages.last().append({w.captured(5), w.captured(1).toDouble(),
                                 w.captured(2).toDouble(), w.captured(3).toDouble(),
                                 w.captured(4).toDouble()});
        }
    }
    return pages;
}

} // namespace velmarit::test
