// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codes/macode.h"
#include "codes/deltacode.h"
#include "codes/lokcode.h"
#include "codes/numberfromtext.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

using namespace velmarit;

namespace {

// Each single-conversion benchmark cycles through a few typical inputs so
// that no branch predictor or optimiser sees one constant case.
template <class T, std::size_t N> const T &next(const std::array<T, N> &inputs, std::size_t &i)
{
    return inputs[i++ % N];
}

constexpr std::array<std::string_view, 6> numberTexts{"17", "256", "2.5", " -3", ".7", "1a"};
constexpr std::array<std::string_view, 4> switchTexts{"7531", "235790", "", "x2y4"};

void numberFromTextTyped(benchmark::State &state)
{
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(numberFromText(next(numberTexts, i)));
}
BENCHMARK(numberFromTextTyped);

// The three switch-number readers and the three decoders differ only in the
// function and pattern type, so one benchmark body serves each kind.
template <class Reader> void patternFromTextTyped(benchmark::State &state, Reader read)
{
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(read(next(switchTexts, i)));
}
BENCHMARK_CAPTURE(patternFromTextTyped, Lok, patternFromTextLok);
BENCHMARK_CAPTURE(patternFromTextTyped, LokDelta, patternFromTextLokDelta);
BENCHMARK_CAPTURE(patternFromTextTyped, MA, patternFromTextMA);

// Cycles through every pattern of the kind (fromBits drops the higher bits).
template <class Pattern, class Decoder>
void decodeSwitchPattern(benchmark::State &state, Decoder decode, Pattern)
{
    unsigned bits = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(decode(Pattern::fromBits(bits++)));
}
BENCHMARK_CAPTURE(decodeSwitchPattern, Lok, decodeSwitchLok, LokPattern{});
BENCHMARK_CAPTURE(decodeSwitchPattern, LokDelta, decodeSwitchLokDelta, DeltaPattern{});
BENCHMARK_CAPTURE(decodeSwitchPattern, MA, decodeSwitchMA, MAPattern{});

void switchListLokAddress(benchmark::State &state)
{
    std::int16_t a = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(switchListLok(a));
        a = static_cast<std::int16_t>((a + 1) % 82);
    }
}
BENCHMARK(switchListLokAddress);

void addressTextLokResult(benchmark::State &state)
{
    int a = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(addressTextLok(a == 0 ? LokResult{} : LokResult{a}));
        a = (a + 1) % 81;
    }
}
BENCHMARK(addressTextLokResult);

void addressTextLokDeltaResult(benchmark::State &state)
{
    unsigned bits = 0;
    for (auto _ : state) {
        const DeltaResult result = decodeSwitchLokDelta(DeltaPattern::fromBits(bits++));
        benchmark::DoNotOptimize(addressTextLokDelta(result));
    }
}
BENCHMARK(addressTextLokDeltaResult);

void deltaRowTextRow(benchmark::State &state)
{
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(deltaRowText(next(deltaAddressTable, i)));
}
BENCHMARK(deltaRowTextRow);

void switchListMATurnout(benchmark::State &state)
{
    int n = -4;
    for (auto _ : state) {
        benchmark::DoNotOptimize(switchListMA(n));
        n = n == 258 ? -4 : n + 1;
    }
}
BENCHMARK(switchListMATurnout);

void addressTextMAResult(benchmark::State &state)
{
    int n = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(addressTextMA(n == 0 ? MAResult{} : MAResult{n}));
        n = (n + 1) % 257;
    }
}
BENCHMARK(addressTextMAResult);

void encodeAllTurnouts(benchmark::State &state)
{
    for (auto _ : state) {
        for (int n = 1; n <= 256; ++n)
            benchmark::DoNotOptimize(switchListMA(n));
    }
    state.SetItemsProcessed(state.iterations() * 256);
}
BENCHMARK(encodeAllTurnouts);

void decodeAllMAPatterns(benchmark::State &state)
{
    for (auto _ : state) {
        for (unsigned bits = 0; bits < 1024; ++bits)
            benchmark::DoNotOptimize(
                addressTextMA(decodeSwitchMA(MAPattern::fromBits(bits))));
    }
    state.SetItemsProcessed(state.iterations() * 1024);
}
BENCHMARK(decodeAllMAPatterns);

// One megabyte pasted into the turnout box, in three shapes: digits all the
// way (the saturating path), blanks before a digit (the skipping path), and a
// half followed by zeros (the rounding path reads to the end).
void numberFromTextMegabyte(benchmark::State &state)
{
    constexpr std::size_t size = 1 << 20;
    std::string text;
    switch (state.range(0)) {
    case 0:
        text.assign(size, '9');
        break;
    case 1:
        text.assign(size - 1, ' ');
        text += '7';
        break;
    default:
        text = "2.5";
        text.resize(size, '0');
        break;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(numberFromText(text));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(size));
}
BENCHMARK(numberFromTextMegabyte)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
