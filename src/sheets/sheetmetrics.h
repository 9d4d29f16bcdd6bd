// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

namespace velmarit {

// Every measure of a printed sheet: where the parts of the A4 portrait page
// stand and how they are set. Lengths are millimetres on paper, font sizes
// points; the painter turns both into its design units. (The switch block's
// own drawing has its measures in switchblock.cpp.)
struct SheetMetrics
{
    // The design's units: dots of a 720 dots-per-inch page, so that a point
    // is ten units. A PDF is written at this resolution, which puts the pages
    // on paper at their true size with no transform in between.
    static constexpr int designResolution = 720;

    // The page, measured from the paper's top left corner.
    struct Page
    {
        qreal width = 210;
        qreal marginLeft = 15;
        qreal marginRight = 15;
        qreal headerTop = 10;       // the top of the program line
        qreal rowsTop = 44;         // the top of the first row of rows
        qreal rowsBottom = 282;     // no row reaches below this
        qreal footerBaseline = 289; // the foot of "Seite n von m"
        // What must be on paper: from the header's top to below the page
        // number. A device that cannot print all of it gets the page scaled.
        qreal contentBottom = footerBaseline + 1;
    } page;

    // The lines above the rows; the tops are measured down from headerTop.
    struct Header
    {
        qreal lineHeight = 4.5; // the box of the program line, the note and the legend
        qreal ruleGap = 1;      // from the program line's box down to its rule
        qreal ruleWidth = 0.2;  // the rule under the program line
        qreal titleTop = 7.5;
        qreal titleHeight = 6.5;
        qreal noteTop = 14.5;
        qreal legendTop = 19;
        qreal footerHeight = 4; // the page number's box, standing on footerBaseline
    } header;

    // The rows of a table and their column headings. A full page holds two
    // keyboards of turnouts (32 rows), which the pitch is chosen for.
    struct Rows
    {
        qreal pitch = 7.4;      // from one row's top to the next
        qreal cellGap = 4;      // between two columns
        qreal blockGap = 9;     // between two blocks of rows side by side
        qreal cellHeight = 6;   // a cell's box, centred on the middle of the switch slots
        qreal headingAbove = 6; // the headings' box starts this far above rowsTop
        qreal headingHeight = 5;
        qreal headingRuleAbove = 0.5; // the rule under the headings, above rowsTop
        qreal headingRuleWidth = 0.35;
        qreal groupRuleWidth = 0.35; // over the first row of a group (a turnout decoder)
        qreal rowRuleWidth = 0.1;    // between the other rows, in grey
        int rowRuleGrey = 150;       // the grey's red, green and blue, 0 to 255
        // Between the switch numbers of a cell: wider gaps read better, and
        // keep them apart for a program that copies the text out of the page
        // (PDF text has no space characters, only gaps).
        qreal cellWordSpacing = 0.9;
    } rows;

    struct Font
    {
        qreal points = 0;
        bool bold = false;
    };
    struct Fonts
    {
        Font header{8.5};        // the program line and the page number
        Font title{13, true};    // the table's title
        Font note{8.5};          // the note under the title and the legend
        Font heading{8.5, true}; // the column headings
        Font address{10, true};  // a row's first cell
        Font cell{10};           // the other cells
        Font label{5.5};         // the switch numbers under the slots
    } fonts;
};

inline constexpr SheetMetrics sheetMetrics{};

} // namespace velmarit
