// SPDX-License-Identifier: GPL-3.0-or-later
// Checking a pane of Lotto 6 lines against a history of 49/6 draws, as the
// window and the runner do it: reading the pane's lines and the history's
// rows, counting every (line, draw) pair and the result's text.
//
// Targets: 1,000 lines against 4,210 draws (the Canadian 6/49 history) under
// 10 ms; a 64 MiB pane (2.4 million lines) against 4,210 draws under 3 s;
// 1,000 lines against 1,000,000 draws under 3 s. The last two run at a tenth
// of their size unless TESSARO7_BENCH_FULL=1 is set.
#include "DrawHistory.h"
#include "LastReport.h"
#include "RandomSource.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

bool fullSize()
{
    const char* full = std::getenv("TESSARO7_BENCH_FULL");
    return full && std::string(full) == "1";
}

std::vector<int> drawSix(RandomSource& random)
{
    std::vector<int> numbers;
    while (numbers.size() < 6) {
        const int number = static_cast<int>(random.next() * 49) + 1;
        if (std::find(numbers.begin(), numbers.end(), number) == numbers.end())
            numbers.push_back(number);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// Lines as Lotto 6 writes them: six numbers, four columns each, CR LF.
std::string paneOf(RandomSource& random, long lines)
{
    std::string text;
    text.reserve(static_cast<std::size_t>(lines) * 26);
    for (long i = 0; i < lines; ++i) {
        for (int number : drawSix(random)) {
            const std::string digits = std::to_string(number);
            text.append(4 - digits.size(), ' ');
            text += digits;
        }
        text += "\r\n";
    }
    return text;
}

// Dated draws under a header, as a CSV history holds them.
std::string historyOf(RandomSource& random, long draws)
{
    std::string text = "date,n1,n2,n3,n4,n5,n6\r\n";
    text.reserve(static_cast<std::size_t>(draws) * 30);
    for (long d = 0; d < draws; ++d) {
        text += "2026-11-28";
        for (int number : drawSix(random))
            text += "," + std::to_string(number);
        text += "\r\n";
    }
    return text;
}

void checkLinesAgainstDraws(benchmark::State& state, long lines, long draws)
{
    RandomSource random;
    random.reseed(1234.5);
    const std::string pane = paneOf(random, lines);
    const std::string history = historyOf(random, draws);
    LastReport last;
    last.button = "Pick6";
    last.values = {{"Biggest Number", "49"}};
    last.shown = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(checkHistory(pane, history, &last).lines());
    state.counters["lines"] = static_cast<double>(lines);
    state.counters["draws"] = static_cast<double>(draws);
}

} // namespace

static void CheckThousandLinesAgainst4210Draws(benchmark::State& state)
{
    checkLinesAgainstDraws(state, 1000, 4210);
}
BENCHMARK(CheckThousandLinesAgainst4210Draws)->Unit(benchmark::kMillisecond);

static void CheckPaneOf64MiBAgainst4210Draws(benchmark::State& state)
{
    checkLinesAgainstDraws(state, fullSize() ? 2400000 : 240000, 4210);
}
BENCHMARK(CheckPaneOf64MiBAgainst4210Draws)->Unit(benchmark::kMillisecond)->Iterations(1);

static void CheckThousandLinesAgainstMillionDraws(benchmark::State& state)
{
    checkLinesAgainstDraws(state, 1000, fullSize() ? 1000000 : 100000);
}
BENCHMARK(CheckThousandLinesAgainstMillionDraws)->Unit(benchmark::kMillisecond)->Iterations(1);
