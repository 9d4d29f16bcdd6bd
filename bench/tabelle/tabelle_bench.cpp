// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The PDF of all three tables (11 pages, 352 switch blocks): made in the
// process, and the whole program run as a user starts it.

#include "pdfapplication.h"
#include "sheets/pdffile.h"

#include <benchmark/benchmark.h>
#include <QProcess>
#include <QTemporaryDir>

using namespace velmarit;

namespace {

const SheetHeading heading{QStringLiteral("velmarit-tabelle bench")};

std::vector<CodingTable> allTables()
{
    return {codingTable(Decoder::Lok), codingTable(Decoder::Delta),
            codingTable(Decoder::MA)};
}

void pdfInMemory(benchmark::State &state)
{
    qint64 bytes = 0;
    for (auto _ : state) {
        const auto pdf = sheetsPdf(allTables(), heading);
        if (!pdf)
            state.SkipWithError("sheetsPdf failed");
        else
            bytes = pdf->size();
    }
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(pdfInMemory)->Unit(benchmark::kMillisecond);

// From the spawn to the end of the process: application and font set-up,
// the tables, the drawing and the file written beside its final name.
void programWritesPdf(benchmark::State &state)
{
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("tabellen.pdf"));
    for (auto _ : state) {
        QProcess process;
        process.start(QStringLiteral(TABELLE_PROGRAM), {QStringLiteral("--pdf"), path});
        if (!process.waitForFinished(60000) || process.exitCode() != 0)
            state.SkipWithError("velmarit-tabelle --pdf failed");
    }
}
BENCHMARK(programWritesPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    const auto app = createPdfApplication(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
