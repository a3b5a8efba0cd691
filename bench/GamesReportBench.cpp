// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameFile.h"
#include "HorseTrifectas.h"
#include "RandomSource.h"
#include "Roulette.h"
#include "SportsBetting.h"

#include <benchmark/benchmark.h>

static void HorsesReport(benchmark::State& state)
{
    RandomSource random;
    random.reseed(1234.5);
    for (auto _ : state)
        benchmark::DoNotOptimize(trifectaReport(static_cast<double>(state.range(0)), random));
}
BENCHMARK(HorsesReport)->Arg(3)->Arg(12);

static void RouletteReport(benchmark::State& state)
{
    RandomSource random;
    random.reseed(1234.5);
    for (auto _ : state)
        benchmark::DoNotOptimize(rouletteReport(random, 1234.5, 45678.0f));
}
BENCHMARK(RouletteReport);

static void USBetReport(benchmark::State& state)
{
    const std::vector<Game> games = readGames("Giants, Vikings\r\nRams, 49ers\r\nJets, Dolphins\r\n"
                                              "Ravens, Steelers\r\nRaiders, Chiefs\r\n",
                                              5);
    RandomSource random;
    random.reseed(1234.5);
    for (auto _ : state)
        benchmark::DoNotOptimize(ticketReport(games, random));
}
BENCHMARK(USBetReport);
