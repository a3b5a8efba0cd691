// SPDX-License-Identifier: GPL-3.0-or-later
#include "DigitGames.h"
#include "RandomSource.h"

#include <benchmark/benchmark.h>

// A Pick 3 (3 digits) or Pick 4 (4 digits) report of 1000 lines.
static void DigitReport(benchmark::State& state)
{
    RandomSource random;
    random.reseed(1234.5);
    const int digits = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(digitReport(digits, random));
}
BENCHMARK(DigitReport)->Arg(3)->Arg(4);
