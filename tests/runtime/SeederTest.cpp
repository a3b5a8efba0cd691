#include "Seeder.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

// Records the reseeds a source gets, while drawing fixed values.
class RecordingRandom : public FixedRandom {
public:
    using FixedRandom::FixedRandom;
    void reseed(double seed) override { reseeds.push_back(seed); }
    std::vector<double> reseeds;
};

} // namespace

TEST(TheSeeder, MixesDateClockAndSixDraws)
{
    RecordingRandom random({0.5f});
    FixedClock clock(43200.0f, {15, 6, 2026});
    // F1 = 8, F2 = 1015, F3 = 4, X = 32480, Y = 16241 * X, Z = 1019, W = 21601.
    EXPECT_DOUBLE_EQ(TheSeeder(random, clock), 21601.0 * 1019 + 16241.0 * 32480);
    EXPECT_EQ(random.drawn(), 6u);
    ASSERT_EQ(random.reseeds.size(), 1u);
    EXPECT_EQ(random.reseeds[0], 43200.0);
}

TEST(TheSeeder, FirstOfJanuaryKeepsDayAndMonthFactorsAtOne)
{
    RecordingRandom random({0.99f});
    FixedClock clock(0.25f, {1, 1, 2027});
    // F1 = 1, F3 = 1, F2 = Int(0.99 * 2027 + 1) + 1 = 2008.
    const double x = 2008.0;
    const double y = (std::floor(0.99f * x) + 1) * x;
    const double z = std::floor(0.99f * 2027.0f + 1);
    const float w = 0.25f * 0.99f + 1;
    EXPECT_DOUBLE_EQ(TheSeeder(random, clock), static_cast<double>(w) * z + y);
}

TEST(TheSeeder, DependsOnTheClockNotOnEarlierDraws)
{
    FixedClock noon(43200.5f, {7, 12, 2026});
    RandomSource a;
    RandomSource b;
    b.next();
    b.next();
    EXPECT_EQ(TheSeeder(a, noon), TheSeeder(b, noon));
    FixedClock later(43201.5f, {7, 12, 2026});
    RandomSource c;
    EXPECT_NE(TheSeeder(a, noon), TheSeeder(c, later));
    EXPECT_GT(TheSeeder(c, later), 0);
}

TEST(RandomSource, SeedsThatDifferInTheirFractionGiveDifferentStreams)
{
    RandomSource a;
    RandomSource b;
    a.reseed(123456.25);
    b.reseed(123456.75);
    std::vector<float> first;
    std::vector<float> second;
    for (int i = 0; i < 8; ++i) {
        first.push_back(a.next());
        second.push_back(b.next());
    }
    EXPECT_NE(first, second);
    a.reseed(123456.25);
    EXPECT_EQ(a.next(), first[0]);
}

TEST(RandomSource, DrawsStayInTheUnitIntervalAndCoverIt)
{
    RandomSource random;
    random.reseed(99.0);
    std::set<int> tenths;
    for (int i = 0; i < 100000; ++i) {
        const float r = random.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        tenths.insert(static_cast<int>(r * 10));
    }
    EXPECT_EQ(tenths.size(), 10u);
}
