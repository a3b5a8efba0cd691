#include "CombinationCount.h"
#include "CountFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(CombinationCount, GivesTheCountsOfRealGames)
{
    const struct {
        std::int16_t n, k;
        double count;
    } cases[] = {
        {49, 6, 13983816},  {69, 5, 11238513}, {70, 5, 12103014}, {50, 5, 2118760},
        {12, 2, 66},        {9, 2, 36},        {49, 49, 1},       {10, 12, 0},
        {10, 11, 0},        {7, 1, 7},         {49, -2, 1},
        // The plain products of 80 taken 20 round above 2^53: 3535316142212174320
        // becomes the double just above it.
        {80, 20, 3535316142212174336.0},
        // Negative n runs the same products: (-6 x -5) / 2.
        {-5, 2, 15},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CombinationCount(c.n, c.k), c.count) << c.n << " taken " << c.k;
}

TEST(CombinationCount, StaysRightWhereThePlainProductsOverflow)
{
    EXPECT_EQ(CombinationCount(200, 200), 1);
    EXPECT_EQ(CombinationCount(200, 199), 200);
    // C(1000, 150) is about 1.343e182 although 851 x ... x 1000 overflows.
    EXPECT_NEAR(std::log10(CombinationCount(1000, 150)), 182.128132, 1e-6);
    EXPECT_EQ(CombinationCount(32767, 16000), std::numeric_limits<double>::infinity());
}

TEST(CountFormat, RendersEveryDigitGroupedByThree)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, ""},
        {0.49999999999999994, ""},
        {-0.4, ""},
        {0.5, "1"},
        {2.5, "3"},
        {-2.5, "-3"},
        {999, "999"},
        {1000, "1,000"},
        {13983816, "13,983,816"},
        {-1234567, "-1,234,567"},
        {9007199254740992.0, "9,007,199,254,740,992"},
        {3535316142212174336.0, "3,535,316,142,212,174,336"},
        {1e21, "1,000,000,000,000,000,000,000"},
        {std::numeric_limits<double>::infinity(), "more than 10^308"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(countText(c.value), c.text) << c.value;
}

TEST(CountFormat, ShowsTheLargestDoubleInFull)
{
    const std::string text = countText(std::numeric_limits<double>::max());
    EXPECT_EQ(text.size(), 309u + 102u);
    EXPECT_EQ(text.substr(0, 8), "179,769,");
    EXPECT_EQ(text.substr(text.size() - 4), ",368");
}
