// SPDX-License-Identifier: GPL-3.0-or-later
#include "Seeder.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>

// With every draw r: F1 = Int(r D) + 1, F2 = Int(r Y + 1) + 1, F3 = Int(M r + 1),
// X = F1 F2 F3, Y = (Int(r X) + 1) X, Z = Int(r Y + M), W = T r + 1; seed W Z + Y.
TEST(TheSeeder, ReseedsWithTheClockThenMixesDateClockAndSixDraws)
{
    const struct {
        float r, seconds;
        CalendarDate date;
        double seed;
    } cases[] = {
        // F1 = 8, F2 = 1015, F3 = 4, X = 32480, Y = 16241 X, Z = 1019, W = 21601.
        {0.5f, 43200.0f, {15, 6, 2026}, 21601.0 * 1019 + 16241.0 * 32480},
        // F1 = 1, F2 = 1009, F3 = 6, X = 6054, Y = 3028 X, Z = 1017, W = 3001.
        {0.5f, 6000.0f, {1, 10, 2014}, 3001.0 * 1017 + 3028.0 * 6054},
    };
    for (const auto& c : cases) {
        FixedRandom random({c.r});
        FixedClock clock(c.seconds, c.date);
        EXPECT_DOUBLE_EQ(TheSeeder(random, clock), c.seed) << c.date.month;
        EXPECT_EQ(random.drawn(), 6u);
    }
    // The source is reseeded with the clock first: earlier draws do not count.
    FixedClock noon(43200.5f, {7, 12, 2026});
    RandomSource used;
    used.next();
    EXPECT_DOUBLE_EQ(TheSeeder(used, noon), 415594564.98632812);
}

// The date and time the seed mixes, checked by turning them back into a time.
TEST(SystemClock, GivesTodaysLocalDateAndTheSecondsSinceMidnight)
{
    SystemClock clock;
    const CalendarDate date = clock.today();
    std::tm local{};
    local.tm_mday = date.day;
    local.tm_mon = date.month - 1;
    local.tm_year = date.year - 1900;
    local.tm_sec = static_cast<int>(clock.timer()); // mktime carries them into minutes and hours
    local.tm_isdst = -1;
    EXPECT_NEAR(std::difftime(std::mktime(&local), std::time(nullptr)), 0, 2);
}

// xoshiro256** seeded through SplitMix64 with the seed's 64 bits; each value is
// the top 24 bits of the output over 2^24.
TEST(RandomSource, GivesTheKnownSequenceOfEachSeed)
{
    const std::pair<double, std::vector<long>> cases[] = {
        {0.0, {10087519, 12545567, 1728388, 6989204, 12297645}},
        {123456.25, {1287073, 6351912, 5298357, 9293516, 7245159}},
    };
    RandomSource random;
    for (const auto& [seed, values] : cases) {
        random.reseed(seed);
        std::vector<long> drawn;
        for (std::size_t i = 0; i < values.size(); ++i)
            drawn.push_back(std::lround(random.next() * 16777216.0));
        EXPECT_EQ(drawn, values) << seed;
    }
    RandomSource fresh;
    EXPECT_EQ(std::lround(fresh.next() * 16777216.0), 10087519); // as seeded with 0
}
