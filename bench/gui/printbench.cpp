// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How long the window's printing commands take on their first use in a
// run, which is when the print service's plugin is loaded and Qt's print
// support sets itself up:
//
//   velmarit_print_bench print    # Ctrl+P to the print dialog shown
//   velmarit_print_bench preview  # "Druckvorschau…" to the first page shown
//   velmarit_print_bench pdf      # "Als PDF speichern…" to the PDF written
//                                 # (the file dialog answered at once)
//
// Prints the milliseconds; run it several times (a fresh process each) for
// a median.

#include "translations/qttexts.h"
#include "shell/shell.h"
#include "ui/frmvelmarit.h"
#include "windowcontrols.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    velmarit::installQtTexts(velmarit::texts::german);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("print");
    const QTemporaryDir dir;
    velmarit::FrmVelmarit window;
    const velmarit::testing::WindowControls controls(window);
    new velmarit::Shell(&window, dir.path(), dir.path());
    window.show();

    QElapsedTimer clock;
    qint64 shownAfter = -1;
    const QString pdf = dir.filePath(QStringLiteral("bench.pdf"));
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible() || shownAfter >= 0)
            return;
        // Known by class name: the bench must not load Qt's print support
        // itself, or the first use would not pay for it. The preview makes
        // its pages before it is shown.
        if (modal->inherits("QPrintDialog") || modal->inherits("QPrintPreviewDialog")) {
            shownAfter = clock.elapsed();
            static_cast<QDialog *>(modal)->reject();
        } else if (auto *files = qobject_cast<QFileDialog *>(modal)) {
            files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(pdf);
            QTimer::singleShot(0, files, [files] { static_cast<QDialog *>(files)->accept(); });
        }
    });
    QTimer::singleShot(200, &window, [&] {
        poll.start(1);
        clock.start();
        if (mode == QStringLiteral("preview"))
            controls.actPreview->trigger();
        else if (mode == QStringLiteral("pdf"))
            controls.actSavePdf->trigger();
        else
            controls.actPrint->trigger();
        if (mode == QStringLiteral("pdf") && QFileInfo::exists(pdf))
            shownAfter = clock.elapsed();
        QApplication::quit();
    });
    app.exec();
    if (shownAfter < 0) {
        std::fprintf(stderr, "%s: nothing shown or written\n", qPrintable(mode));
        return 1;
    }
    std::printf("%s %lld ms\n", qPrintable(mode), shownAfter);
    return 0;
}
