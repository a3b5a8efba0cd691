#include "CombinationFilter.h"
#include "LottoGames.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace {

struct WindowCase {
    const char* game;
    FilterWindows windows;
    FilterWindows expected;
};

void expectWindows(const WindowCase& c)
{
    SCOPED_TRACE(c.game);
    EXPECT_EQ(c.windows.median, c.expected.median);
    EXPECT_EQ(c.windows.ffgValue, c.expected.ffgValue);
    EXPECT_EQ(c.windows.deviationLow, c.expected.deviationLow);
    EXPECT_EQ(c.windows.deviationHigh, c.expected.deviationHigh);
    EXPECT_EQ(c.windows.averageLow, c.expected.averageLow);
    EXPECT_EQ(c.windows.averageHigh, c.expected.averageHigh);
}

} // namespace

// Halves go to the even neighbour: 5.5 -> 6, 16.5 -> 16, 12.5 -> 12, 37.5 -> 38.
TEST(FilterWindows, DerivedValuesRoundHalvesToEven)
{
    const WindowCase cases[] = {
        {"Lotto 5, 39", lottoWindows(39), {20, 11, 6, 16, 10, 30}},
        {"Lotto 6, 49", lottoWindows(49), {25, 14, 7, 21, 12, 38}},
        {"Lotto 6, 49.5", lottoWindows(49.5), {25, 14, 7, 21, 12, 38}},
        {"Keno, 80", lottoWindows(80), {40, 23, 12, 34, 20, 60}},
        {"5+1, 53/42", powerBallWindows(53, 42), {27, 14, 7, 21, 14, 40}},
        {"6+1, 49/42", powerBallWindows(49, 42), {25, 13, 6, 20, 12, 38}},
        {"5+1, 53.5/42", powerBallWindows(53.5, 42), {27, 14, 7, 21, 14, 40}},
        // The smallest games that still let a line through.
        {"Lotto 5, 6", lottoWindows(6), {4, 2, 1, 3, 2, 6}},
        {"Lotto 7, 8", lottoWindows(8), {4, 2, 1, 3, 2, 6}},
    };
    for (const auto& c : cases)
        expectWindows(c);
}

TEST(LineSpread, DeviationIsTakenFromTheMedianOfTheRange)
{
    struct Case {
        std::vector<std::int32_t> line;
        std::int32_t median;
        LineSpread expected;
    };
    const Case cases[] = {
        {{20, 22, 24, 27, 29, 31}, 25, {26, 4}}, // deviation R(3.89)
        {{1, 2, 4, 7, 9, 11}, 25, {6, 20}},      // average R(5.67)
        {{5, 10, 15, 20, 38, 44}, 25, {22, 15}},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 40, {6, 35}}, // average R(5.5) = 6
        // The line's own average would give a deviation of 0.
        {{40, 40, 40, 40}, 10, {40, 30}},
    };
    for (const auto& c : cases) {
        const LineSpread spread = spreadOf(c.line.data(), static_cast<int>(c.line.size()), c.median);
        EXPECT_EQ(spread.average, c.expected.average) << c.line[0];
        EXPECT_EQ(spread.deviation, c.expected.deviation) << c.line[0];
    }
}

TEST(LineSpread, WindowBoundsPassAndOneBeyondFails)
{
    const FilterWindows windows{25, 14, 7, 21, 12, 38};
    struct Case {
        std::array<std::int32_t, 6> line;
        bool passes;
    };
    const Case cases[] = {
        {{20, 22, 24, 27, 29, 31}, false}, // deviation 4 below 7
        {{1, 2, 4, 7, 9, 11}, false},      // average 6 below 12
        {{5, 10, 15, 20, 38, 44}, true},
        {{3, 12, 25, 31, 40, 47}, true},
        {{15, 20, 23, 27, 30, 35}, true},  // deviation R(6.56) = 7, the low bound
        {{16, 20, 23, 27, 30, 35}, false}, // deviation R(6.31) = 6
        {{2, 5, 9, 13, 18, 22}, true},     // average R(11.5) = 12, the low bound
        {{2, 5, 9, 13, 18, 21}, false},    // average R(11.33) = 11
        {{30, 35, 38, 40, 42, 46}, true},  // average R(38.5) = 38, the high bound
        {{30, 35, 38, 40, 42, 47}, false}, // average R(38.67) = 39
    };
    for (const auto& c : cases)
        EXPECT_EQ(passesWindows(c.line.data(), 6, windows), c.passes) << c.line[0] << "," << c.line[1];
}

TEST(ExchangeSort, SortsOnlyTheCountGiven)
{
    std::array<std::int32_t, 7> line{41, 10, 33, 20, 15, 5, 1};
    exchangeSort(line.data(), 5);
    EXPECT_EQ(line, (std::array<std::int32_t, 7>{10, 15, 20, 33, 41, 5, 1}));
}
