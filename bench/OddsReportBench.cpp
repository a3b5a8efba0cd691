// SPDX-License-Identifier: GPL-3.0-or-later
#include "LottoOdds.h"
#include "RandomSource.h"

#include <benchmark/benchmark.h>

// The whole report of a game, 1000 lines, as the Lotto Odds button draws it.
static void LottoOddsReport(benchmark::State& state)
{
    const Ballset game{static_cast<std::int16_t>(state.range(0)),
                       static_cast<std::int16_t>(state.range(1))};
    RandomSource random;
    random.reseed(1234.5);
    for (auto _ : state)
        benchmark::DoNotOptimize(lottoOddsReport(game, random));
}
BENCHMARK(LottoOddsReport)->Args({49, 6})->Args({80, 20})->Args({32767, 6})->Unit(benchmark::kMillisecond);
