#include "DrawHistory.h"
#include "LastReport.h"
#include "LottoOdds.h"
#include "RandomSource.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

// 3,000 dated draws of a 49/6 game under a header, as a CSV history holds them.
std::string historyOf(RandomSource& random, int draws)
{
    std::string text = "date,n1,n2,n3,n4,n5,n6\r\n";
    std::vector<int> numbers;
    for (int d = 0; d < draws; ++d) {
        numbers.clear();
        while (numbers.size() < 6) {
            const int number = static_cast<int>(random.next() * 49) + 1;
            if (std::find(numbers.begin(), numbers.end(), number) == numbers.end())
                numbers.push_back(number);
        }
        text += "2026-11-28";
        for (int number : numbers)
            text += "," + std::to_string(number);
        text += "\r\n";
    }
    return text;
}

} // namespace

// The 1000 lines of a report against 3,000 past draws: reading the history,
// the tally of every pair and each line's best tier. Target: under 100 ms.
static void CheckThousandLinesAgainstThreeThousandDraws(benchmark::State& state)
{
    RandomSource random;
    random.reseed(1234.5);
    const std::string report = lottoOddsReport({49, 6}, random);
    const std::string history = historyOf(random, 3000);
    LastReport last;
    last.button = "AnyLotto";
    last.values = {{"Biggest Number", "49"}, {"Numbers/Line", "6"}};
    last.shown = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(checkHistory(report, history, &last).lines());
}
BENCHMARK(CheckThousandLinesAgainstThreeThousandDraws)->Unit(benchmark::kMillisecond);
