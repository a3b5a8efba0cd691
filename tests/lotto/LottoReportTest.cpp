#include "BoundedDraws.h"
#include "CombinationFilter.h"
#include "LineAttempts.h"
#include "LottoGames.h"
#include "LottoReports.h"
#include "NumberField.h"
#include "TestSupport.h"
#include "TextFunctions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Numbers = std::vector<std::int32_t>;

// The random value that draws n from 1 to biggest.
float drawOf(int n, double biggest) { return static_cast<float>((n - 0.5) / biggest); }

std::vector<float> drawsOf(const Numbers& numbers, double biggest)
{
    std::vector<float> values;
    for (std::int32_t n : numbers)
        values.push_back(drawOf(n, biggest));
    return values;
}

std::vector<float> joined(std::vector<std::vector<float>> parts)
{
    std::vector<float> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

std::vector<std::string> linesOf(const std::string& report)
{
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < report.size()) {
        const std::size_t end = report.find("\r\n", at);
        if (end == std::string::npos) {
            ADD_FAILURE() << "last line without CR LF";
            break;
        }
        lines.push_back(report.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

Numbers numbersIn(const std::string& line)
{
    std::istringstream in(line);
    Numbers numbers;
    for (std::int32_t n; in >> n;)
        numbers.push_back(n);
    return numbers;
}

// Format(Str(n), width) for each number; a blank before field `blankBefore`.
std::string rendered(const Numbers& numbers, const std::vector<std::size_t>& widths,
                     std::size_t blankBefore = 99)
{
    std::string line;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i == blankBefore)
            line += ' ';
        line += Format(Str(numbers[i]), widths[i]);
    }
    return line;
}

// Checked by brute force over every set of `length` positions.
bool holdsProgressionOf(const Numbers& values, int length)
{
    const int n = static_cast<int>(values.size());
    for (int mask = 0; mask < (1 << n); ++mask) {
        Numbers chosen;
        for (int i = 0; i < n; ++i)
            if (mask & (1 << i))
                chosen.push_back(values[static_cast<std::size_t>(i)]);
        if (static_cast<int>(chosen.size()) != length)
            continue;
        bool equal = true;
        for (std::size_t i = 2; i < chosen.size(); ++i)
            equal = equal && chosen[i] - chosen[i - 1] == chosen[1] - chosen[0];
        if (equal)
            return true;
    }
    return false;
}

bool ascendingWithin(const Numbers& numbers, std::size_t from, std::size_t to, int top)
{
    for (std::size_t i = from; i < to; ++i)
        if (numbers[i] < 1 || numbers[i] > top || (i > from && numbers[i] <= numbers[i - 1]))
            return false;
    return true;
}

struct SeededCase {
    const char* game;
    std::function<std::optional<std::string>(RandomSource&)> report;
    std::size_t regular;    // sorted numbers of the first drum
    int top;                // the biggest number they reach
    std::size_t extra;      // PowerBall or second ballset numbers after them
    int extraTop;
    FilterWindows windows;  // 0 windows: Euro's sum window instead
    int progressionLength;  // 0: not checked here
};

} // namespace

TEST(FilteredReports, EverySeededLineKeepsItsLayoutRangesAndFilters)
{
    const SeededCase cases[] = {
        {"Lotto 5", [](RandomSource& r) { return singleDrumReport(kLotto5.shape, 39, r); },
         5, 39, 0, 0, {20, 11, 6, 16, 10, 30}, 4},
        {"Lotto 6", [](RandomSource& r) { return singleDrumReport(kLotto6.shape, 49, r); },
         6, 49, 0, 0, {25, 14, 7, 21, 12, 38}, 4},
        {"Lotto 6 at 49.5", [](RandomSource& r) { return singleDrumReport(kLotto6.shape, 49.5, r); },
         6, 50, 0, 0, {25, 14, 7, 21, 12, 38}, 4},
        {"Lotto 7", [](RandomSource& r) { return singleDrumReport(kLotto7.shape, 49, r); },
         7, 49, 0, 0, {25, 14, 7, 21, 12, 38}, 5},
        {"Keno", [](RandomSource& r) { return singleDrumReport(kKeno, 80, r); },
         10, 80, 0, 0, {40, 23, 12, 34, 20, 60}, 0},
        {"5+1", [](RandomSource& r) { return powerBallReport(kPower51.shape, 53, 42, r); },
         5, 53, 1, 42, {27, 14, 7, 21, 14, 40}, 4},
        {"6+1", [](RandomSource& r) { return powerBallReport(kPower61.shape, 49, 42, r); },
         6, 49, 1, 42, {25, 13, 6, 20, 12, 38}, 5},
        {"5+1 at 53.5", [](RandomSource& r) { return powerBallReport(kPower51.shape, 53.5, 42, r); },
         5, 54, 1, 42, {27, 14, 7, 21, 14, 40}, 4},
        {"Euro", [](RandomSource& r) { return euroReport(50, 9, r); }, 5, 50, 2, 9, {}, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.game);
        RandomSource random;
        random.reseed(2026.0707);
        const auto report = c.report(random);
        ASSERT_TRUE(report);
        const auto lines = linesOf(*report);
        ASSERT_EQ(lines.size(), 1000u);
        const bool euro = c.windows.median == 0;
        const bool powerBall = !euro && c.extra == 1;
        std::vector<std::size_t> widths(c.regular + c.extra, 4);
        if (powerBall)
            widths.back() = 5;
        int topSeen = 0;
        for (const auto& line : lines) {
            const Numbers n = numbersIn(line);
            ASSERT_EQ(n.size(), c.regular + c.extra) << line;
            ASSERT_EQ(line, rendered(n, widths, euro ? c.regular : 99));
            ASSERT_TRUE(ascendingWithin(n, 0, c.regular, c.top)) << line;
            topSeen = std::max(topSeen, n[c.regular - 1]);
            if (euro) {
                ASSERT_TRUE(ascendingWithin(n, c.regular, n.size(), c.extraTop)) << line;
                const int sum = n[0] + n[1] + n[2] + n[3] + n[4];
                ASSERT_TRUE(sum >= 50 && sum <= 200) << line;
                ASSERT_FALSE(holdsProgressionOf(Numbers(n.begin(), n.begin() + 5), 4)) << line;
                continue;
            }
            if (powerBall) {
                ASSERT_TRUE(n.back() >= 1 && n.back() <= c.extraTop) << line;
            }
            ASSERT_TRUE(passesWindows(n.data(), static_cast<int>(n.size()), c.windows)) << line;
            if (c.progressionLength > 0) {
                ASSERT_FALSE(holdsProgressionOf(n, c.progressionLength)) << line;
            }
        }
        EXPECT_EQ(topSeen, c.top) << "the top number is drawn";
    }
}

TEST(FilteredReports, SameSeedSameReportOtherSeedOther)
{
    RandomSource a, b, c;
    a.reseed(77.25);
    b.reseed(77.25);
    c.reseed(77.5);
    const auto first = powerBallReport(kPower61.shape, 49, 42, a);
    EXPECT_EQ(first, powerBallReport(kPower61.shape, 49, 42, b));
    EXPECT_NE(first, powerBallReport(kPower61.shape, 49, 42, c));
}

TEST(FilteredReports, ThrownAwayDrawsLeaveNothingBehind)
{
    struct Case {
        const char* why;
        std::function<std::optional<std::string>(RandomSource&)> report;
        std::vector<float> draws; // one rejected attempt, then one that passes
        std::string line;
    };
    const Case cases[] = {
        {"deviation window", [](RandomSource& r) { return singleDrumReport(kLotto6.shape, 49, r); },
         joined({drawsOf({20, 22, 24, 27, 29, 31}, 49), drawsOf({47, 3, 31, 12, 40, 25}, 49)}),
         "   3  12  25  31  40  47"},
        {"pattern filter", [](RandomSource& r) { return singleDrumReport(kLotto6.shape, 49, r); },
         joined({drawsOf({5, 10, 15, 20, 38, 44}, 49), drawsOf({3, 12, 25, 31, 40, 47}, 49)}),
         "   3  12  25  31  40  47"},
        {"Lotto 5 gaps of 8", [](RandomSource& r) { return singleDrumReport(kLotto5.shape, 39, r); },
         joined({drawsOf({30, 6, 22, 17, 14}, 39), drawsOf({4, 11, 19, 26, 35}, 39)}),
         "   4  11  19  26  35"},
        {"Keno average", [](RandomSource& r) { return singleDrumReport(kKeno, 80, r); },
         joined({drawsOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 80),
                 drawsOf({68, 2, 13, 16, 21, 30, 38, 44, 52, 60}, 80)}),
         "   2  13  16  21  30  38  44  52  60  68"},
        {"PowerBall 25 continues 10, 15, 20",
         [](RandomSource& r) { return powerBallReport(kPower51.shape, 53, 42, r); },
         joined({drawsOf({41, 10, 33, 20, 15}, 53), {drawOf(25, 42)}, drawsOf({41, 10, 33, 20, 15}, 53),
                 {drawOf(5, 42)}}),
         "  10  15  20  33  41    5"},
        {"Euro positions 1, 2, 4, 5", [](RandomSource& r) { return euroReport(50, 9, r); },
         joined({drawsOf({4, 9, 12, 14, 19}, 50), drawsOf({38, 3, 27, 11, 20}, 50), drawsOf({7, 2}, 9)}),
         "   3  11  20  27  38    2   7"},
    };
    for (const auto& c : cases) {
        FixedRandom random(c.draws);
        const auto report = c.report(random);
        ASSERT_TRUE(report) << c.why;
        const auto lines = linesOf(*report);
        EXPECT_EQ(lines.front(), c.line) << c.why;
        EXPECT_EQ(lines.back(), c.line) << c.why;
        EXPECT_EQ(random.drawn(), 1000 * c.draws.size()) << c.why;
    }
}

TEST(FilteredReports, ARepeatedNumberIsDrawnAgainAlone)
{
    FixedRandom lotto(drawsOf({3, 3, 12, 25, 31, 40, 31, 47}, 49));
    EXPECT_EQ(singleDrumReport(kLotto6.shape, 49, lotto)->substr(0, 26), "   3  12  25  31  40  47\r\n");
    EXPECT_EQ(lotto.drawn(), 8000u);

    FixedRandom euro(joined({drawsOf({3, 11, 20, 27, 38}, 50), drawsOf({7, 7, 2}, 9)}));
    EXPECT_EQ(euroReport(50, 9, euro)->substr(0, 31), "   3  11  20  27  38    2   7\r\n");
    EXPECT_EQ(euro.drawn(), 8000u);
}

TEST(FilteredReports, PowerBallMayEqualARegularNumber)
{
    FixedRandom random(joined({drawsOf({41, 10, 33, 20, 15}, 53), {drawOf(10, 42)}}));
    EXPECT_EQ(powerBallReport(kPower51.shape, 53, 42, random)->substr(0, 27),
              "  10  15  20  33  41   10\r\n");
}

TEST(FilteredReports, FractionalBiggestNumberReachesTheNextWholeNumber)
{
    FixedRandom random(joined({drawsOf({3, 12, 25, 31, 40}, 49.5), {0.99999994f}}));
    EXPECT_EQ(singleDrumReport(kLotto6.shape, 49.5, random)->substr(0, 24), "   3  12  25  31  40  50");
}

TEST(FilteredReports, EuroSumWindowRunsFromIntN1ToInt4N1)
{
    struct Case {
        double biggest;
        Numbers mains;
        bool passes;
    };
    const Case cases[] = {
        {50.7, {51, 50, 48, 45, 8}, true},  // sum 202 = Int(202.8)
        {50.7, {51, 50, 48, 45, 9}, false}, // 203
        {50.7, {1, 2, 5, 7, 35}, true},     // 50
        {50.7, {1, 2, 5, 7, 34}, false},    // 49
        {10, {1, 2, 5, 7, 10}, true},
        {10, {1, 2, 3, 4, 5}, false},       // a progression
        {10, {6, 7, 8, 9, 10}, false},      // sum 40 passes, a progression does not
    };
    for (const auto& c : cases) {
        FixedRandom random(joined({drawsOf(c.mains, c.biggest), drawsOf({1, 2}, 9)}));
        BoundedDraws draws(random);
        std::array<std::int32_t, 10> line{};
        EXPECT_EQ(attemptEuroLine(c.biggest, 9, draws, line.data()), c.passes)
            << c.biggest << ": " << c.mains[0] << ", " << c.mains[4];
    }
}

TEST(FilteredReports, NoReportWhenNoLinePassesWithinTheBudget)
{
    RandomSource random;
    random.reseed(5.5);
    // Only 1 to 6 can be drawn, and it is a progression.
    EXPECT_FALSE(singleDrumReport(kLotto6.shape, 6, random));
    EXPECT_FALSE(powerBallReport(kPower51.shape, 5, 42, random));
    EXPECT_FALSE(euroReport(5, 9, random));
    // The second ballset's 2 is all but out of reach: its redraw loop would spin.
    EXPECT_FALSE(euroReport(50, 1.0000001, random));
}

TEST(FilteredReports, SmallestPassingLottoFiveHoldsOnlyItsTwoSets)
{
    RandomSource random;
    random.reseed(6.0);
    const auto report = singleDrumReport(kLotto5.shape, 6, random);
    ASSERT_TRUE(report);
    const auto lines = linesOf(*report);
    const std::set<std::string> seen(lines.begin(), lines.end());
    EXPECT_EQ(seen, (std::set<std::string>{"   1   2   3   5   6", "   1   2   4   5   6"}));
}

TEST(NumberField, MatchesFormatOfStr)
{
    for (int width : {4, 5})
        for (std::int32_t n : {1, 7, 10, 99, 100, 999, 1000, 9999, 12345, 16777217}) {
            std::string field;
            appendNumberField(field, n, width);
            EXPECT_EQ(field, Format(Str(n), static_cast<std::size_t>(width))) << n;
        }
}
