// SPDX-License-Identifier: GPL-3.0-or-later
#include "RandomSource.h"
#include "Uniformity.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

TEST(Uniformity, ChiSquareSurvivalMatchesKnownValuesOnBothSidesOfItsTwoMethods)
{
    // Reference values to 17 digits from an arbitrary-precision library.
    const struct {
        double x;
        double degrees;
        double expected;
    } cases[] = {
        {3.841458820694124, 1, 0.050000000000000057},  {65.17076890356982, 48, 0.050000000000000129},
        {23.209251158954356, 10, 0.010000000000000014}, {2, 2, 0.36787944117144232},
        {0.5, 1, 0.47950012218695346},                  {100, 48, 1.6020383909596242e-5},
        {200, 48, 1.8618245067698996e-20},              {1100, 1000, 0.014614408126295194},
        {900, 1000, 0.98928276190871026},               {30, 48, 0.98053542562797723},
        {0.001, 5, 0.99999999831851228},                {48, 48, 0.47284972054774399},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(chiSquareSurvival(c.x, c.degrees) / c.expected, 1.0, 1e-9) << c.x << " on " << c.degrees;
    EXPECT_EQ(chiSquareSurvival(0, 48), 1.0);
}

TEST(Uniformity, SaysInWordsWhatTheScaledStatisticMeans)
{
    const struct {
        const char* what;
        std::vector<long> counts;
        long draws;
        long drawn;
        std::string expected;
    } cases[] = {
        {"even counts, 2 of 4", {5, 5, 5, 5}, 10, 2,
         "chi-square 0.00 (Pearson's × 3/2: 2 of 4 drawn without replacement), 3 degrees of freedom, p = 1.0000: a "
         "fair draw gives counts this uneven or more in 100 % of histories, so nothing here says it is unfair."},
        {"one number always drawn", {25, 0, 0, 0, 0}, 25, 1,
         "chi-square 100.00 (Pearson's × 4/4: 1 of 5 drawn without replacement), 4 degrees of freedom, p < 0.0001: a "
         "fair draw gives counts this uneven or more in fewer than 1 in 1,000 histories: the numbers do not come "
         "up evenly (or the history mixes games of different sizes)."},
        {"uneven", {14, 6, 10, 10}, 40, 1,
         "chi-square 3.20 (Pearson's × 3/3: 1 of 4 drawn without replacement), 3 degrees of freedom, p = 0.3618: a "
         "fair draw gives counts this uneven or more in 36 % of histories, so nothing here says it is unfair."},
        {"too few draws", {1, 0, 1, 0}, 2, 1, "no test: too few draws (each number expected 0.50 times; the test needs at least 5)."},
        {"a drum of one", {7}, 7, 1, "no test: the drum holds too few numbers for one."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(uniformity(c.counts, c.draws, c.drawn).text(), c.expected) << c.what;
}

// Fair 6/49 histories: the test rejects about one in twenty at p < 0.05.
// Pearson's statistic without the factor 48/43 would reject about one in a
// hundred, and the share would fall below the band.
TEST(Uniformity, RejectsAboutOneFairHistoryInTwentyAtFivePercent)
{
    RandomSource random;
    random.reseed(4210);
    const int histories = 2000;
    int rejected = 0;
    for (int h = 0; h < histories; ++h) {
        std::vector<long> counts(49, 0);
        const long draws = 150;
        for (long d = 0; d < draws; ++d) {
            std::vector<int> drawn;
            while (drawn.size() < 6) {
                const int number = static_cast<int>(random.next() * 49);
                if (std::find(drawn.begin(), drawn.end(), number) == drawn.end())
                    drawn.push_back(number);
            }
            for (int number : drawn)
                ++counts[static_cast<std::size_t>(number)];
        }
        rejected += uniformity(counts, draws, 6).test->p < 0.05;
    }
    const double share = static_cast<double>(rejected) / histories;
    EXPECT_GT(share, 0.035);
    EXPECT_LT(share, 0.065);
}
