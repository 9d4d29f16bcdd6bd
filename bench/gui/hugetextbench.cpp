// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The turnout address box has no length limit, so a megabyte can be pasted
// into it. Timed on Qt's offscreen platform, wall clock: the paste from the
// shortcut until the label holds the result (Qt's line edit lays the text
// out first; goal: under 5 s), and the change handler alone reading the
// megabyte (goal: under 20 ms, so the program adds nothing a user would
// notice). Every run is checked against the codes library.
//
//   velmarit_hugetext_bench [Google Benchmark options]

#include "codes/macode.h"
#include "codes/numberfromtext.h"
#include "offscreenapp.h"
#include "ui/frmvelmarit.h"
#include "windowcontrols.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace {

constexpr int megabyte = 1 << 20;

struct HugeText
{
    const char *name;
    QString text;
};

const HugeText hugeTexts[] = {
    {"number", QString(QLatin1Char('1')) + QString(megabyte - 1, u'0')},
    {"negative", QString(QLatin1Char('-')) + QString(megabyte - 1, u'9')},
    {"blanks_before_12", QString(megabyte - 2, u' ') + QStringLiteral("12")},
    {"letters", QString(megabyte, u'x')},
};

const velmarit::testing::WindowControls *window = nullptr;

// What the label must show for the text, by the codes library.
QString expectedLabel(const QString &text)
{
    return QString::fromStdString(
        velmarit::switchListMA(velmarit::numberFromText(text.toStdString())));
}

void paste(benchmark::State &state, const QString &text)
{
    QLineEdit *box = window->txtWeichen;
    const QString expected = expectedLabel(text);
    QApplication::clipboard()->setText(text);
    box->setFocus();
    for (auto _ : state) {
        state.PauseTiming();
        box->clear();
        window->lblWeichen->setText(QStringLiteral("-"));
        QCoreApplication::processEvents();
        state.ResumeTiming();

        QTest::keySequence(box, QKeySequence::Paste);

        state.PauseTiming();
        if (box->text().size() != text.size() || window->lblWeichen->text() != expected)
            state.SkipWithError("the pasted text or its result is wrong");
        state.ResumeTiming();
    }
    state.SetLabel("goal < 5000 ms");
}

void changeHandler(benchmark::State &state, const QString &text)
{
    window->txtWeichen->setText(text);
    const QString expected = expectedLabel(text);
    for (auto _ : state) {
        window->lblWeichen->clear();
        window->pnlWeichen->txtWeichen_Change();
        if (window->lblWeichen->text() != expected)
            state.SkipWithError("the handler's result is wrong");
    }
    state.SetLabel("goal < 20 ms");
}

} // namespace

int main(int argc, char *argv[])
{
    const OffscreenDefaults offscreen;
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    const auto shown = std::make_unique<velmarit::FrmVelmarit>();
    const velmarit::testing::WindowControls controls(*shown);
    window = &controls;
    shown->show();
    shown->activateWindow();
    QCoreApplication::processEvents();

    for (const HugeText &huge : hugeTexts) {
        benchmark::RegisterBenchmark((std::string("pasteMegabyte/") + huge.name).c_str(), paste,
                                     huge.text)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark((std::string("txtWeichenChangeMegabyte/") + huge.name).c_str(),
                                     changeHandler, huge.text)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    window = nullptr;
    return 0;
}
