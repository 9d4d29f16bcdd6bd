// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for the start-up benchmark: the smallest Qt Widgets program
// that opens a window, built with the same compiler flags as Velmarit. Built
// a second time with one line of text, which shows what loading the fonts
// alone costs: the empty window never touches them.

#include "firstpaintquit.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(629, 495); // Velmarit's client area, so both paint as much
#ifdef VELMARIT_BENCH_WITH_TEXT
    new QLabel(QStringLiteral("Adresse"), &window);
#endif
    velmarit::bench::FirstPaintQuit quit;
    window.installEventFilter(&quit);
    window.show();
    return app.exec();
}
