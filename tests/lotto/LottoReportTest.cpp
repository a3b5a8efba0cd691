// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoundedDraws.h"
#include "LineAttempts.h"
#include "LottoGames.h"
#include "LottoReports.h"
#include "ReportLines.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace {

using Numbers = std::vector<int>;
using Report = std::function<std::optional<std::string>(RandomSource&)>;

// The random values that draw each group's numbers from 1 to its biggest.
std::vector<float> drawing(std::initializer_list<std::pair<Numbers, double>> groups)
{
    std::vector<float> values;
    for (const auto& [numbers, biggest] : groups)
        for (int n : numbers)
            values.push_back(static_cast<float>((n - 0.5) / biggest));
    return values;
}

} // namespace

// Each script is drawn again for every line, so each line is its last attempt;
// the lines show each layout byte for byte.
TEST(FilteredReports, ThrownAwayDrawsLeaveNothingBehindAndRepeatsRedrawAlone)
{
    const std::tuple<const char*, Report, std::vector<float>, std::string> cases[] = {
        // 11 21 25 26 28 29 deviates too little from the middle 25.
        {"outside the windows, then repeats",
         [](RandomSource& r) { return singleDrumReport(kLotto6.shape, 49, r); },
         drawing({{{11, 21, 25, 26, 28, 29, 3, 3, 12, 25, 31, 40, 31, 47}, 49}}), "   3  12  25  31  40  47"},
        {"a fractional biggest number reaches the next whole one",
         [](RandomSource& r) { return singleDrumReport(kLotto6.shape, 49.5, r); },
         drawing({{{3, 12, 25, 31, 40}, 49.5}, {{50}, 50}}), "   3  12  25  31  40  50"},
        {"Lotto 5 gaps of 8", [](RandomSource& r) { return singleDrumReport(kLotto5.shape, 39, r); },
         drawing({{{30, 6, 22, 17, 14}, 39}, {{4, 11, 19, 26, 35}, 39}}), "   4  11  19  26  35"},
        // The PowerBall 1 takes 52 48 37 8 2 out of the windows, the PowerBall 25
        // continues 10 15 20; a PowerBall equal to a regular number stands.
        {"PowerBall", [](RandomSource& r) { return powerBallReport(kPower51.shape, 53, 42, r); },
         drawing({{{52, 48, 37, 8, 2}, 53}, {{1}, 42}, {{41, 10, 33, 20, 15}, 53}, {{25}, 42},
                  {{41, 10, 33, 20, 15}, 53}, {{10}, 42}}),
         "  10  15  20  33  41   10"},
        {"Euro 4 9 14 19", [](RandomSource& r) { return euroReport(50, 9, r); },
         drawing({{{4, 9, 12, 14, 19}, 50}, {{38, 3, 27, 11, 20}, 50}, {{7, 7, 2}, 9}}),
         "   3  11  20  27  38    2   7"},
    };
    for (const auto& [why, report, draws, line] : cases) {
        FixedRandom random(draws);
        EXPECT_EQ(reportLines(report(random).value()), std::vector<std::string>(1000, line)) << why;
        EXPECT_EQ(random.drawn(), 1000 * draws.size()) << why;
    }
}

TEST(FilteredReports, EuroSumWindowRunsFromIntN1ToInt4N1)
{
    const std::tuple<double, Numbers, bool> cases[] = {
        {50.7, {51, 50, 48, 45, 8}, true},  // sum 202 = Int(202.8)
        {50.7, {51, 50, 48, 45, 9}, false}, // 203
        {50.7, {1, 2, 5, 7, 35}, true},     // 50
        {50.7, {1, 2, 5, 7, 34}, false},    // 49
    };
    for (const auto& [biggest, mains, passes] : cases) {
        FixedRandom random(drawing({{mains, biggest}, {{1, 2}, 9}}));
        BoundedDraws draws(random);
        std::array<std::int32_t, 10> line{};
        EXPECT_EQ(attemptEuroLine(biggest, 9, draws, line.data()), passes) << mains[4];
    }
}

TEST(FilteredReports, NoReportWhenNoLinePassesWithinTheBudget)
{
    RandomSource random;
    // Only 1 to 5 can be drawn, and it is a progression; the lotto and Euro
    // games' hopeless values are shown through their clicks.
    EXPECT_FALSE(powerBallReport(kPower51.shape, 5, 42, random));
    // The second ballset's 2 is all but out of reach: its redraw loop would spin.
    EXPECT_FALSE(euroReport(50, 1.0000001, random));
    // The smallest Lotto 5 that passes has two sets.
    EXPECT_TRUE(singleDrumReport(kLotto5.shape, 6, random));
}
