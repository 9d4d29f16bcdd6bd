// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How long a typed character or a click takes to reach its result label, in
// process on Qt's offscreen platform: from handing the event to the widget
// until the label holds the new text ("handler"), and until the window has
// also repainted ("with repaint"). Every sample is checked against the codes
// library, so a label that stopped updating cannot pass for a fast one.
//
//   velmarit_latency_bench [samples-per-case]

#include "codes/macode.h"
#include "codes/lokcode.h"
#include "codes/numberfromtext.h"
#include "offscreenapp.h"
#include "ui/frmvelmarit.h"
#include "windowcontrols.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Case
{
    const char *name;
    std::function<void(int)> prepare;     // untimed, before the i-th event
    std::function<void(int)> act;         // the i-th event
    std::function<bool()> labelIsCorrect; // the label against the codes
};

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    return v[std::min(index, v.size() - 1)];
}

std::string utf8(const QString &s)
{
    return s.toStdString();
}

template <std::size_t N> unsigned boxBits(const std::array<QCheckBox *, N> &boxes)
{
    unsigned bits = 0;
    for (std::size_t i = 1; i < N; ++i) {
        if (boxes[i]->isChecked())
            bits |= 1u << (i - 1);
    }
    return bits;
}

} // namespace

int main(int argc, char *argv[])
{
    const OffscreenDefaults offscreen;
    QApplication app(argc, argv);
    const int samples = std::max(1000, argc > 1 ? std::atoi(argv[1]) : 20000);

    velmarit::FrmVelmarit window;
    const velmarit::testing::WindowControls w(window);
    window.show();
    QCoreApplication::processEvents();

    auto typeOrErase = [](QLineEdit *box, Qt::Key key) {
        return [box, key](int i) { QTest::keyClick(box, i % 2 ? Qt::Key_Backspace : key); };
    };
    auto clickBox = [](QCheckBox *box) {
        return [box](int) { QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center()); };
    };
    // A button repaints itself synchronously on the press, before anything of
    // Velmarit runs; the box toggles, and the label changes, on the release.
    auto pressBox = [](QCheckBox *box) {
        return [box](int) { QTest::mousePress(box, Qt::LeftButton, {}, box->rect().center()); };
    };
    auto releaseBox = [](QCheckBox *box) {
        return [box](int) { QTest::mouseRelease(box, Qt::LeftButton, {}, box->rect().center()); };
    };
    const auto nothing = [](int) {};
    auto anzeigeMA = [&] {
        const auto p = velmarit::MAPattern::fromBits(boxBits(w.chkSwitchMA));
        return utf8(w.lblAnzeigeMA->text()) == velmarit::addressTextMA(velmarit::decodeSwitchMA(p));
    };
    auto anzeigeLok = [&] {
        const auto p = velmarit::LokPattern::fromBits(boxBits(w.chkSwitchLok));
        return utf8(w.lblAnzeigeLok->text()) ==
               velmarit::addressTextLok(velmarit::decodeSwitchLok(p));
    };

    const std::vector<Case> cases = {
        {"Taste in txtWeichen -> lblWeichen", nothing, typeOrErase(w.txtWeichen, Qt::Key_7),
         [&] {
             const auto n = velmarit::numberFromText(utf8(w.txtWeichen->text()));
             return utf8(w.lblWeichen->text()) == velmarit::switchListMA(n);
         }},
        {"Taste in txtSwitchMA -> lblAdresseMA", nothing, typeOrErase(w.txtSwitchMA, Qt::Key_3),
         [&] {
             const auto p = velmarit::patternFromTextMA(utf8(w.txtSwitchMA->text()));
             return utf8(w.lblAdresseMA->text()) ==
                    velmarit::addressTextMA(velmarit::decodeSwitchMA(p));
         }},
        {"Klick chkSwitchMA(5) -> lblAnzeigeMA", nothing, clickBox(w.chkSwitchMA[5]), anzeigeMA},
        {"  davon Loslassen -> lblAnzeigeMA", pressBox(w.chkSwitchMA[5]),
         releaseBox(w.chkSwitchMA[5]), anzeigeMA},
        {"  Box umschalten allein -> lblAnzeigeMA", nothing,
         [&](int) { w.chkSwitchMA[5]->toggle(); }, anzeigeMA},
        {"Klick chkSwitchLok(3) -> lblAnzeigeLok", nothing, clickBox(w.chkSwitchLok[3]),
         anzeigeLok},
        {"  davon Loslassen -> lblAnzeigeLok", pressBox(w.chkSwitchLok[3]),
         releaseBox(w.chkSwitchLok[3]), anzeigeLok},
    };

    std::printf("Event to result label, in process (Qt platform %s), %d samples per case\n\n",
                qgetenv("QT_QPA_PLATFORM").constData(), samples);
    std::printf("%-40s %22s %22s\n", "", "handler us", "with repaint us");
    std::printf("%-40s %7s %7s %7s %7s %7s %7s\n", "", "median", "p99", "max", "median", "p99",
                "max");
    int wrong = 0;
    for (const Case &c : cases) {
        for (int i = 0; i < 1000; ++i) { // warm-up: caches, font glyphs, lazy set-up
            c.prepare(i);
            c.act(i);
            QCoreApplication::processEvents();
        }
        std::vector<double> handler;
        std::vector<double> repaint;
        handler.reserve(samples);
        repaint.reserve(samples);
        for (int i = 0; i < samples; ++i) {
            c.prepare(i);
            QCoreApplication::processEvents();
            const auto t0 = Clock::now();
            c.act(i);
            const auto t1 = Clock::now();
            QCoreApplication::processEvents();
            const auto t2 = Clock::now();
            handler.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
            repaint.push_back(std::chrono::duration<double, std::micro>(t2 - t0).count());
            if (!c.labelIsCorrect())
                ++wrong;
        }
        std::printf("%-40s %7.1f %7.1f %7.1f %7.1f %7.1f %7.1f\n", c.name, percentile(handler, 0.5),
                    percentile(handler, 0.99), *std::max_element(handler.begin(), handler.end()),
                    percentile(repaint, 0.5), percentile(repaint, 0.99),
                    *std::max_element(repaint.begin(), repaint.end()));
    }
    std::printf("\nGoal: median <= 20 us (handler). Labels not matching the codes: %d\n", wrong);
    return wrong == 0 ? 0 : 1;
}
