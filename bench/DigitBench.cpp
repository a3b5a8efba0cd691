#include "DigitGames.h"
#include "RandomSource.h"

#include <benchmark/benchmark.h>

static void Pick3Report(benchmark::State& state)
{
    RandomSource random;
    random.reseed(1234.5);
    for (auto _ : state)
        benchmark::DoNotOptimize(digitReport(3, random));
}
BENCHMARK(Pick3Report);

static void Pick4Report(benchmark::State& state)
{
    RandomSource random;
    random.reseed(1234.5);
    for (auto _ : state)
        benchmark::DoNotOptimize(digitReport(4, random));
}
BENCHMARK(Pick4Report);
