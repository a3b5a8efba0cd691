// SPDX-License-Identifier: GPL-3.0-or-later
#include "CombinationCount.h"
#include "CountFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(CombinationCount, GivesTheCountsOfRealGamesAndStaysRightPastThePlainProducts)
{
    const std::tuple<std::int16_t, std::int16_t, double> cases[] = {
        {49, 6, 13983816}, {69, 5, 11238513}, {49, 49, 1}, {10, 11, 0}, {49, -2, 1},
        // The plain products of 80 taken 20 round above 2^53: 3535316142212174320
        // becomes the double just above it.
        {80, 20, 3535316142212174336.0},
        {-5, 2, 15}, // negative n runs the same products: (-6 x -5) / 2
        // 200! overflows; the count does not.
        {200, 200, 1}, {200, 199, 200},
        {32767, 16000, std::numeric_limits<double>::infinity()},
    };
    for (const auto& [n, k, count] : cases)
        EXPECT_EQ(CombinationCount(n, k), count) << n << " taken " << k;
    // C(1000, 150) is about 1.343e182 although 851 x ... x 1000 overflows.
    EXPECT_NEAR(std::log10(CombinationCount(1000, 150)), 182.128132, 1e-6);
}

TEST(CountFormat, RendersEveryDigitGroupedByThree)
{
    const std::pair<double, const char*> cases[] = {
        {0.49999999999999994, ""}, {0.5, "1"},           {2.5, "3"},        {-2.5, "-3"},
        {999, "999"},              {1000, "1,000"},       {-1234567, "-1,234,567"},
        {std::numeric_limits<double>::infinity(), "more than 10^308"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(countText(value), text) << value;
    const std::string largest = countText(std::numeric_limits<double>::max());
    EXPECT_EQ(largest.size(), 309u + 102u);
    EXPECT_EQ(largest.substr(0, 8) + largest.substr(largest.size() - 4), "179,769,,368");
}
