// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoundedDraws.h"
#include "CombinationFilter.h"
#include "LineAttempts.h"
#include "LottoGames.h"
#include "LottoReports.h"
#include "RandomSource.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

namespace {

// The share of single attempts that pass every filter, shown beside each
// report's time: the report costs about 1000 / acceptance attempts.
template <typename Attempt>
double acceptance(Attempt attempt)
{
    RandomSource random;
    random.reseed(98765.4321);
    BoundedDraws draws(random);
    std::array<std::int32_t, 10> line{};
    constexpr int kAttempts = 200000;
    int passed = 0;
    for (int i = 0; i < kAttempts; ++i) {
        draws.startLine();
        passed += attempt(draws, line.data()) ? 1 : 0;
    }
    return static_cast<double>(passed) / kAttempts;
}

template <typename Report, typename Attempt>
void reportBench(benchmark::State& state, Report report, Attempt attempt)
{
    RandomSource random;
    random.reseed(1234.5);
    for (auto _ : state)
        benchmark::DoNotOptimize(report(random));
    state.counters["acceptance"] = acceptance(attempt);
}

void LottoReport(benchmark::State& state, const LottoGame& game)
{
    const double n = game.biggest.defaultValue;
    const FilterWindows windows = lottoWindows(n);
    reportBench(
        state, [&](RandomSource& random) { return singleDrumReport(game.shape, n, random); },
        [&](BoundedDraws& draws, std::int32_t* line) {
            return attemptLottoLine(game.shape, n, windows, draws, line);
        });
}
BENCHMARK_CAPTURE(LottoReport, Lotto5, kLotto5)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(LottoReport, Lotto6, kLotto6)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(LottoReport, Lotto7, kLotto7)->Unit(benchmark::kMicrosecond);

void KenoReport(benchmark::State& state)
{
    const FilterWindows windows = lottoWindows(kKenoBiggestNumber);
    reportBench(
        state,
        [](RandomSource& random) { return singleDrumReport(kKeno, kKenoBiggestNumber, random); },
        [&](BoundedDraws& draws, std::int32_t* line) {
            return attemptLottoLine(kKeno, kKenoBiggestNumber, windows, draws, line);
        });
}
BENCHMARK(KenoReport)->Unit(benchmark::kMicrosecond);

void PowerBallReport(benchmark::State& state, const PowerBallGame& game)
{
    const double n = game.regular.defaultValue;
    const double p = game.powerBall.defaultValue;
    const FilterWindows windows = powerBallWindows(n, p);
    reportBench(
        state, [&](RandomSource& random) { return powerBallReport(game.shape, n, p, random); },
        [&](BoundedDraws& draws, std::int32_t* line) {
            return attemptPowerBallLine(game.shape, n, p, windows, draws, line);
        });
}
BENCHMARK_CAPTURE(PowerBallReport, Power51, kPower51)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PowerBallReport, Power61, kPower61)->Unit(benchmark::kMicrosecond);

void EuroReport(benchmark::State& state)
{
    const double n1 = kEuroMain.defaultValue;
    const double n2 = kEuroSecond.defaultValue;
    reportBench(
        state, [&](RandomSource& random) { return euroReport(n1, n2, random); },
        [&](BoundedDraws& draws, std::int32_t* line) {
            return attemptEuroLine(n1, n2, draws, line);
        });
}
BENCHMARK(EuroReport)->Unit(benchmark::kMicrosecond);

} // namespace
