// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Reading a PDF's switch blocks back as a person would: the words with their
// places on the page come from pdfwords.h, the pages as pixels from
// pdftoppm. The switch
// blocks are found from the text alone (the switch numbers are the smallest
// print on a page, evenly spaced from 1), and the lever above each number is
// read from the pixels.

#include "pdfwords.h"
#include "programrun.h"

#include <algorithm>
#include <optional>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace velmarit::test {

// A page rendered in grey by pdftoppm.
struct GreyPage
{
    int width = 0;
    int height = 0;
    QByteArray pixels;
    double dotsPerPoint = 1;

    bool dark(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < width && y < height &&
               static_cast<unsigned char>(pixels.at(qsizetype(y) * width + x)) < 128;
    }
};

inline std::optional<GreyPage> renderPage(const QString &pdf, int page, int dpi,
                                          const QString &directory)
{
    const QString stem = QDir(directory).filePath(QStringLiteral("page%1").arg(page));
    const QString number = QString::number(page);
    const ProgramRun run = runProgram(
        QStringLiteral("pdftoppm"),
        {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
         number, QStringLiteral("-l"), number, QStringLiteral("-singlefile"), pdf, stem});
    QFile file(stem + QStringLiteral(".pgm"));
    if (run.exitCode != 0 || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray data = file.readAll();
    file.close();
    file.remove();
    // "P5\n<width> <height>\n255\n" and the bytes.
    static const QRegularExpression header(QStringLiteral("^P5\\s+(\\d+)\\s+(\\d+)\\s+255\\s"));
    const auto match = header.match(QString::fromLatin1(data.left(40)));
    if (!match.hasMatch())
        return std::nullopt;
    GreyPage grey{match.captured(1).toInt(), match.captured(2).toInt(), {}, dpi / 72.0};
    grey.pixels = data.mid(match.capturedLength());
    if (grey.pixels.size() != qsizetype(grey.width) * grey.height)
        return std::nullopt;
    return grey;
}

// The lever in the slot above a switch number: scanning up from the number,
// the slot's bottom edge (a thin line), the lever (a thick black bar) and the
// slot's top edge. ON is a lever in the upper half.
struct Lever
{
    bool on = false;
    double slotTop = 0; // points
    double slotBottom = 0;
};

inline std::optional<Lever> leverAbove(const GreyPage &page, const Word &number)
{
    const int x = int(number.xMiddle() * page.dotsPerPoint);
    const int start = int(number.yMin * page.dotsPerPoint);
    const int thickLine = int(0.7 / 25.4 * 72 * page.dotsPerPoint); // thicker than any edge
    struct Run
    {
        int top;
        int bottom;
    };
    QList<Run> runs; // from the bottom up
    for (int y = start; y > start - int(15 / 25.4 * 72 * page.dotsPerPoint) && runs.size() < 3;
         --y) {
        if (!page.dark(x, y))
            continue;
        Run run{y, y};
        while (page.dark(x, run.top - 1))
            --run.top;
        runs.append(run);
        y = run.top;
        const bool thick = run.bottom - run.top + 1 >= thickLine;
        if (runs.size() == 1 && thick)
            return std::nullopt; // a slot starts with its edge
        if (runs.size() == 2 && !thick)
            return std::nullopt; // an empty slot: no lever at all
    }
    if (runs.size() != 3 || runs.at(2).bottom - runs.at(2).top + 1 >= thickLine)
        return std::nullopt;
    const double slotTop = runs.at(2).top;
    const double slotBottom = runs.at(0).bottom;
    const double lever = (runs.at(1).top + runs.at(1).bottom) / 2.0;
    return Lever{lever < (slotTop + slotBottom) / 2, slotTop / page.dotsPerPoint,
                 slotBottom / page.dotsPerPoint};
}

// One switch block found on a page: the row's words left of it (nearest
// first) and the levers 1 to n.
struct DrawnBlock
{
    QStringList wordsBefore;
    QList<std::optional<Lever>> levers;
};

// The height of the smallest print on a page: the switch numbers'.
inline double smallestHeight(const QList<Word> &words)
{
    double smallest = 1e9;
    for (const Word &w : words)
        smallest = std::min(smallest, w.height());
    return smallest;
}

inline QList<DrawnBlock> drawnBlocks(const QList<Word> &words, const GreyPage &page)
{
    QList<DrawnBlock> blocks;
    const double smallest = smallestHeight(words);
    const auto isNumberLabel = [&](const Word &w) { return w.height() < smallest + 0.2; };

    QList<Word> labels;
    for (const Word &w : words) {
        if (isNumberLabel(w))
            labels.append(w);
    }
    std::sort(labels.begin(), labels.end(), [](const Word &a, const Word &b) {
        return a.yMin != b.yMin ? a.yMin < b.yMin : a.xMin < b.xMin;
    });

    for (qsizetype i = 0; i < labels.size(); ++i) {
        if (labels.at(i).text != QStringLiteral("1"))
            continue;
        QList<Word> run{labels.at(i)};
        for (qsizetype j = i + 1; j < labels.size(); ++j) {
            const Word &w = labels.at(j);
            if (std::abs(w.yMin - run.first().yMin) > 0.2 ||
                w.text != QString::number(run.size() + 1))
                break;
            run.append(w);
        }
        DrawnBlock block;
        double slotTop = run.first().yMin;
        for (const Word &label : run) {
            block.levers.append(leverAbove(page, label));
            if (block.levers.last())
                slotTop = std::min(slotTop, block.levers.last()->slotTop);
        }
        // The row's other words stand beside the slots.
        QList<Word> before;
        for (const Word &w : words) {
            if (!isNumberLabel(w) && w.xMax < run.first().xMin && w.yMiddle() > slotTop &&
                w.yMiddle() < run.first().yMin)
                before.append(w);
        }
        std::sort(before.begin(), before.end(),
                  [](const Word &a, const Word &b) { return a.xMax > b.xMax; });
        for (const Word &w : before)
            block.wordsBefore.append(w.text);
        blocks.append(block);
    }
    return blocks;
}

} // namespace velmarit::test
