// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawCheck.h"
#include "LastReport.h"
#include "LottoOdds.h"
#include "RandomSource.h"

#include <benchmark/benchmark.h>

// Checking the 1000 lines of a report against a draw, as the check dialog
// does it: reading the draw and the lines, the tally and the result's text.
// Target: well under 1 ms.
static void CheckThousandLines(benchmark::State& state)
{
    RandomSource random;
    random.reseed(1234.5);
    const std::string report = lottoOddsReport({49, 6}, random);
    LastReport last;
    last.button = "AnyLotto";
    last.values = {{"Biggest Number", "49"}, {"Numbers/Line", "6"}};
    last.shown = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(checkDraw(report, "3 11 19 27 38 45", &last).lines());
}
BENCHMARK(CheckThousandLines)->Unit(benchmark::kMicrosecond);
