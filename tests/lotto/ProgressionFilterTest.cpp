// SPDX-License-Identifier: GPL-3.0-or-later
#include "LottoGames.h"
#include "ProgressionFilter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

TEST(ProgressionFilter, BansProgressionsAtAnyChosenPositions)
{
    // Every choice of 4 of 5, 4 of 6 and 5 of 7 positions. A line is sorted;
    // a PowerBall stands last.
    const std::tuple<const ProgressionFilter&, std::vector<std::int32_t>, bool> cases[] = {
        {kLotto6.shape.patterns, {5, 10, 15, 20, 38, 44}, true},
        {kLotto6.shape.patterns, {4, 8, 11, 12, 14, 16}, true}, // s1 s2 s4 s6
        {kLotto6.shape.patterns, {3, 12, 25, 31, 40, 47}, false},
        {kLotto6.shape.patterns, {2, 10, 20, 30, 41, 47}, false}, // three terms are allowed
        {kLotto5.shape.patterns, {6, 14, 17, 22, 30}, true},
        {kLotto7.shape.patterns, {4, 13, 16, 22, 27, 31, 40}, true},
        {kLotto7.shape.patterns, {1, 2, 3, 4, 20, 30, 45}, false}, // four are allowed
        {kPower51.shape.patterns, {10, 15, 20, 33, 41, 25}, true},
        {kPower51.shape.patterns, {10, 15, 20, 33, 41, 5}, false},
        {kPower61.shape.patterns, {1, 5, 9, 13, 30, 44, 17}, true},
        {kKeno.patterns, {5, 12, 19, 26, 33, 40, 52, 63, 70, 77}, true},  // pattern 1
        {kKeno.patterns, {3, 9, 16, 23, 30, 37, 44, 60, 70, 75}, true},   // pattern 2
        {kKeno.patterns, {10, 13, 18, 21, 26, 30, 34, 39, 42, 50}, true}, // pattern 6
        {kKeno.patterns, {5, 20, 22, 26, 30, 32, 33, 38, 44, 50}, true},  // pattern 7
        {kKeno.patterns, {2, 9, 16, 23, 30, 33, 37, 50, 61, 70}, false},  // positions no pattern lists
        {kKeno.patterns, {4, 11, 18, 25, 32, 41, 50, 58, 66, 75}, false}, // five terms are allowed
    };
    for (const auto& [filter, line, banned] : cases)
        EXPECT_EQ(filter.holdsProgression(line.data()), banned) << "line starting " << line[0] << ", " << line[1];
}
