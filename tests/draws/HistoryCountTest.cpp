// SPDX-License-Identifier: GPL-3.0-or-later
// The history check's ways of counting must agree pair for pair: the index
// of the draws' subsets, the index of the lines', and the plain count of
// every pair with bit masks, on seeded random lines and draws of each game.
#include "HistoryCount.h"
#include "LongWork.h"
#include "RandomSource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace {

struct Game {
    const char* name;
    int first;
    int firstBiggest;
    int second;
    int secondBiggest;
    int drawn; // numbers the first drum draws
    bool bonus;
    int lines;
    int draws;
};

std::vector<int> distinct(RandomSource& random, int count, int biggest)
{
    std::vector<int> numbers;
    while (static_cast<int>(numbers.size()) < count) {
        const int number = static_cast<int>(random.next() * static_cast<float>(biggest)) + 1;
        if (std::find(numbers.begin(), numbers.end(), number) == numbers.end())
            numbers.push_back(number);
    }
    return numbers;
}

// A summary of everything a count gives, to compare ways of counting.
std::string summary(const HistoryCount& count, std::size_t places)
{
    std::string text = "pairs";
    for (std::size_t place = 0; place < places; ++place)
        text += " " + std::to_string(count.pairs.at(place));
    text += "\nbest";
    for (long place : count.best)
        text += " " + std::to_string(place);
    text += "\ndraws";
    for (std::size_t draw : count.bestDraws)
        text += " " + std::to_string(draw);
    text += "\nbonus " + std::to_string(count.bonusPairs) + ":";
    for (char line : count.bonusLines)
        text += line ? "1" : "0";
    return text;
}

} // namespace

TEST(HistoryCount, TheSubsetIndexesCountEveryPairAsThePlainCountDoes)
{
    // Small pools and few draws reach the high tiers and the bonus often.
    const Game games[] = {
        {"6/20 and a bonus", 6, 20, 0, 0, 6, true, 300, 200},
        {"6/20, more lines than draws", 6, 20, 0, 0, 6, true, 2000, 50},
        {"5/15 + 1/4", 5, 15, 1, 4, 5, false, 400, 300},
        {"5/12 + 2/5", 5, 12, 2, 5, 5, false, 200, 500},
        {"3/9", 3, 9, 0, 0, 3, false, 50, 40},
        {"Keno: 10 spots, 20 of 80 drawn", 10, 80, 0, 0, 20, false, 100, 200},
        {"6/20, more draws than the plain count takes at once", 6, 20, 0, 0, 6, true, 40, 5000},
    };
    RandomSource random;
    random.reseed(20260328);
    for (const Game& game : games) {
        SCOPED_TRACE(game.name);
        std::vector<ReportLine> plays;
        for (int i = 0; i < game.lines; ++i) {
            std::vector<int> first = distinct(random, game.first, game.firstBiggest);
            std::vector<int> second = game.second > 0 ? distinct(random, game.second, game.secondBiggest) : std::vector<int>{};
            plays.push_back({i + 1, first, second, {}});
        }
        HistoryDraws draws;
        draws.firstCount = game.drawn;
        draws.secondCount = game.second;
        draws.bonus = game.bonus;
        for (int d = 0; d < game.draws; ++d) {
            std::vector<int> drawn = distinct(random, game.drawn + (game.bonus ? 1 : 0), game.firstBiggest);
            if (game.second > 0) {
                const std::vector<int> second = distinct(random, game.second, game.secondBiggest);
                drawn.insert(drawn.begin() + game.drawn, second.begin(), second.end());
            }
            draws.numbers.insert(draws.numbers.end(), drawn.begin(), drawn.end());
            draws.rows.push_back(d + 2);
        }
        LineLayout layout{LineKind::Numbers, game.first, game.second, game.firstBiggest, game.secondBiggest, game.drawn};
        Draw scaleDraw;
        const TierScale scale(scaleDraw, layout);
        UnwatchedWork unwatched;
        const HistoryCount plain = countHistory(plays, draws, layout, scale, unwatched, Counting::PairByPair);
        long long all = 0;
        for (std::size_t place = 0; place < scale.size(); ++place)
            all += plain.pairs.at(place);
        EXPECT_EQ(all, static_cast<long long>(game.lines) * game.draws);
        EXPECT_FALSE(plain.bestDraws.empty());
        EXPECT_EQ(game.bonus, plain.bonusPairs > 0);
        for (const Counting counting : {Counting::DrawIndex, Counting::LineIndex, Counting::Automatic})
            EXPECT_EQ(summary(countHistory(plays, draws, layout, scale, unwatched, counting), scale.size()),
                      summary(plain, scale.size()));
    }
}

namespace {

// Asks the count to stop after its first report.
class StopSoon : public WorkMonitor {
public:
    bool stopRequested() const override { return reports_ > 0; }
    void report(double, const std::string&) override { ++reports_; }

private:
    int reports_ = 0;
};

class StopAtOnce : public WorkMonitor {
public:
    bool stopRequested() const override { return true; }
    void report(double, const std::string&) override {}
};

} // namespace

TEST(HistoryCount, AStoppedCountKeepsWhatItCountedOfTheLinesOrDrawsItGotTo)
{
    std::vector<ReportLine> plays;
    for (int i = 0; i < 10000; ++i)
        plays.push_back({i + 1, {1 + i % 7, 8 + i % 5, 13 + i % 3}, {}, {}});
    HistoryDraws draws;
    draws.firstCount = 3;
    for (int d = 0; d < 10000; ++d) {
        draws.numbers.insert(draws.numbers.end(), {1 + d % 7, 8 + d % 5, 13 + d % 3});
        draws.rows.push_back(d + 1);
    }
    const LineLayout layout{LineKind::Numbers, 3, 0, 15, 0, 0};
    const TierScale scale(Draw{}, layout);
    for (const Counting counting : {Counting::DrawIndex, Counting::LineIndex, Counting::PairByPair}) {
        StopSoon monitor;
        const HistoryCount count = countHistory(plays, draws, layout, scale, monitor, counting);
        EXPECT_TRUE(count.stopped);
        long long all = 0;
        for (std::size_t place = 0; place < scale.size(); ++place)
            all += count.pairs.at(place);
        EXPECT_EQ(all, static_cast<long long>(count.lines * count.draws));
        EXPECT_LT(count.lines * count.draws, plays.size() * draws.size());

        // Stopped before it began, it counted no line and names no draw as the best.
        StopAtOnce stopped;
        const HistoryCount none = countHistory(plays, draws, layout, scale, stopped, counting);
        EXPECT_EQ(none.lines, 0u);
        EXPECT_TRUE(none.bestDraws.empty());
    }
}
