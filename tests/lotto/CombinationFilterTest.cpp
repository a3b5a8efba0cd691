// SPDX-License-Identifier: GPL-3.0-or-later
#include "CombinationFilter.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

// Halves go to the even neighbour: 5.5 -> 6, 16.5 -> 16, 12.5 -> 12, 37.5 -> 38.
TEST(FilterWindows, DerivedValuesRoundHalvesToEven)
{
    using Fields = std::array<std::int32_t, 6>;
    const std::pair<FilterWindows, Fields> cases[] = {
        {lottoWindows(39), {20, 11, 6, 16, 10, 30}},
        {lottoWindows(49.5), {25, 14, 7, 21, 12, 38}},
        {lottoWindows(80), {40, 23, 12, 34, 20, 60}},
        {lottoWindows(6), {4, 2, 1, 3, 2, 6}},
        {powerBallWindows(53.5, 42), {27, 14, 7, 21, 14, 40}},
        {powerBallWindows(49, 42), {25, 13, 6, 20, 12, 38}},
    };
    for (const auto& [w, fields] : cases)
        EXPECT_EQ((Fields{w.median, w.ffgValue, w.deviationLow, w.deviationHigh, w.averageLow, w.averageHigh}),
                  fields);
}

TEST(FilterWindows, DeviationIsTakenFromTheMedianAndBoundsPass)
{
    const FilterWindows lotto6{25, 14, 7, 21, 12, 38};
    // The line, its average and deviation, and whether it passes.
    const std::tuple<std::vector<std::int32_t>, std::int32_t, std::int32_t, bool> cases[] = {
        {{15, 20, 23, 27, 30, 35}, 25, 7, true},  // R(6.56), the low bound
        {{16, 20, 23, 27, 30, 35}, 25, 6, false}, // R(6.31)
        {{2, 5, 9, 13, 18, 22}, 12, 15, true},    // R(11.5), the low bound
        {{2, 5, 9, 13, 18, 21}, 11, 15, false},
        {{30, 35, 38, 40, 42, 46}, 38, 14, true}, // R(38.5), the high bound
        {{30, 35, 38, 40, 42, 47}, 39, 15, false},
        {{1, 4, 40, 45, 48, 49}, 31, 21, true},   // R(21.40), the high bound
        {{1, 3, 40, 45, 48, 49}, 31, 22, false},
        {{40, 40, 40, 40, 40, 40}, 40, 15, false}, // its own average would give 0
    };
    for (const auto& [line, average, deviation, passes] : cases) {
        SCOPED_TRACE(testing::Message() << line[0] << "," << line[5]);
        const LineSpread spread = spreadOf(line.data(), 6, 25);
        EXPECT_EQ((std::pair{spread.average, spread.deviation}), (std::pair{average, deviation}));
        EXPECT_EQ(passesWindows(line.data(), 6, lotto6), passes);
    }
}
