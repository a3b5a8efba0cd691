// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExactCount.h"
#include "SearchRandom.h"
#include "WinTable.h"
#include "WheelsTesting.h"

#include <gtest/gtest.h>

namespace {

// Every draw of the first drum gone through one by one: the chance that
// some ticket (of the numbers' positions) holds exactly m drawn numbers.
mpq_class everyDraw(long n, int k, const std::vector<int>& numbers, const Tickets& tickets, int m)
{
    long hits = 0;
    for (const auto& drawn : allSets(static_cast<int>(n), k)) {
        PoolSet inPool;
        for (int number : drawn)
            for (std::size_t p = 0; p < numbers.size(); ++p)
                if (numbers[p] == number + 1)
                    inPool.insert(static_cast<int>(p));
        bool some = false;
        for (const PoolSet& ticket : tickets)
            some |= (ticket & inPool).count() == m;
        hits += some;
    }
    mpq_class chance(hits, exactCombinations(n, k));
    chance.canonicalize();
    return chance;
}

} // namespace

TEST(WinTable, ChancesOfTwoTicketsInAGameOfThreeFromSixByHand)
{
    // Tickets 1 2 3 and 4 5 6 hold every number: a draw splits 3 + 0 or 2 + 1.
    const WinTable table = winTable({{6, 3}, std::nullopt}, {1, 2, 3, 4, 5, 6}, {setOf({0, 1, 2}), setOf({3, 4, 5})});
    ASSERT_EQ(table.tiers.size(), 4u);
    const mpq_class wheel[] = {mpq_class(1, 10), mpq_class(9, 10), mpq_class(9, 10), mpq_class(1, 10)};
    // One random ticket holds m of 3 with chance C(3,m) C(3,3-m) / 20.
    const mpq_class random[] = {1 - mpq_class(19 * 19, 400), 1 - mpq_class(11 * 11, 400), 1 - mpq_class(11 * 11, 400),
                                1 - mpq_class(19 * 19, 400)};
    const mpq_class expected[] = {mpq_class(1, 10), mpq_class(9, 10), mpq_class(9, 10), mpq_class(1, 10)};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(table.tiers[i].tier.first, 3 - static_cast<long>(i));
        EXPECT_EQ(*table.tiers[i].wheelChance, wheel[i]);
        EXPECT_EQ(table.tiers[i].randomChance, random[i]);
        EXPECT_EQ(table.tiers[i].expected, expected[i]);
    }
    EXPECT_EQ(table.drawnInPool.back(), 1);
}

// The sum over how many drawn numbers fall among the tickets' numbers
// against every draw, for pools that leave numbers out.
TEST(WinTable, WheelChancesMatchEveryDrawOfTheGame)
{
    SearchRandom random(99);
    const struct {
        long n;
        int k;
        std::vector<int> numbers;
    } games[] = {{12, 4, {2, 3, 5, 7, 8, 11}}, {10, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}, {14, 5, {1, 4, 6, 9, 10, 12, 13}}};
    for (const auto& game : games)
        for (int trial = 0; trial < 5; ++trial) {
            Tickets tickets(1 + random.below(5));
            for (PoolSet& ticket : tickets)
                while (ticket.count() < game.k)
                    ticket.insert(static_cast<int>(random.below(static_cast<std::uint32_t>(game.numbers.size()))));
            const WinTable table = winTable({{game.n, game.k}, std::nullopt}, game.numbers, tickets);
            for (const WinTier& tier : table.tiers)
                EXPECT_EQ(*tier.wheelChance, everyDraw(game.n, game.k, game.numbers, tickets, static_cast<int>(tier.tier.first)))
                    << game.n << " tier " << tier.tier.first << " trial " << trial;
        }
}

TEST(WinTable, ASecondDrumPlayedAlikeByEveryTicketScalesEachTier)
{
    const Tickets tickets = {setOf({0, 1, 2}), setOf({3, 4, 5})};
    const WinTable one = winTable({{6, 3}, std::nullopt}, {1, 2, 3, 4, 5, 6}, tickets);
    const WinTable two = winTable({{6, 3}, Drum{4, 1}}, {1, 2, 3, 4, 5, 6}, tickets);
    ASSERT_EQ(two.tiers.size(), 8u);
    EXPECT_EQ(*two.tiers[0].wheelChance, *one.tiers[0].wheelChance / 4);
    EXPECT_EQ(*two.tiers[1].wheelChance, *one.tiers[0].wheelChance * 3 / 4);
    EXPECT_EQ(two.tiers[1].expected, one.tiers[0].expected * 3 / 4);
    EXPECT_EQ(winSummary(two).rfind("Chance of each prize in one draw of 3 of 6 + 1 of 4,", 0), 0u);
}

TEST(WinTable, ChancesAreWrittenToFourSignificantDigits)
{
    const struct {
        mpq_class value;
        const char* text;
    } cases[] = {
        {mpq_class(1, 3), "0.3333"},       {mpq_class(2, 3), "0.6667"},    {mpq_class(3677, 200), "18.39"},
        {mpq_class(99995, 100000), "1.000"}, {mpq_class(1, 13983816), "7.151E-08"}, {mpq_class(12345), "12,350"},
        {mpq_class(1, 10000), "0.0001000"}, {mpq_class(1, 100000), "1.000E-05"}, {mpq_class(0), "0"},
        {mpq_class(1042), "1,042"},        {mpq_class(7, 2), "3.500"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(significantText(c.value), c.text) << c.value.get_str();
}

TEST(WinTable, LeavesTheWheelsChancesUncountedWhenStopped)
{
    const WinTable table = winTable({{49, 6}, std::nullopt}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
                                    {PoolSet::firstPositions(6)}, [] { return true; });
    EXPECT_FALSE(table.counted);
    EXPECT_FALSE(table.tiers.front().wheelChance);
    EXPECT_NE(winSummary(table).find("6 of 6: not counted (random tickets 7.151E-08)"), std::string::npos);
}
