// SPDX-License-Identifier: GPL-3.0-or-later
#include "PoolSymmetry.h"
#include "UnitSpace.h"
#include "WheelsTesting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

// Every set of M positions has its own rank, from 0 in the order the sets
// come in, and reads back from it; a rank with one more position inserted
// is that of the merged set.
TEST(UnitSpace, RanksEverySetOnceAndReadsItBack)
{
    for (const WheelShape& shape : {WheelShape{9, 4, 4, 4}, WheelShape{12, 6, 3, 3}, WheelShape{70, 3, 2, 2}}) {
        const UnitSpace space(shape);
        const auto sets = allSets(shape.pool, shape.drawn);
        ASSERT_EQ(space.units(), sets.size());
        std::vector<int> back(static_cast<std::size_t>(shape.drawn));
        for (std::uint32_t rank = 0; rank < sets.size(); ++rank) {
            ASSERT_EQ(space.rank(sets[rank].data(), shape.drawn), rank);
            space.unrank(rank, back.data());
            ASSERT_EQ(back, sets[rank]);
            std::vector<int> rest = sets[rank];
            const int extra = rest[1];
            rest.erase(rest.begin() + 1);
            ASSERT_EQ(space.rankWith(rest.data(), shape.drawn - 1, extra), rank);
        }
    }
}

// The M-sets made of a part and M - |part| outside positions: each once.
TEST(UnitSpace, ExtendsAPartByEveryChoiceOfOutsidePositions)
{
    const UnitSpace space({10, 5, 2, 4});
    const int part[] = {2, 7};
    const std::vector<int> outside = {0, 3, 4, 8, 9};
    std::set<std::uint32_t> ranks;
    space.forEachExtension(part, 2, outside, [&](std::uint32_t rank) { EXPECT_TRUE(ranks.insert(rank).second); });
    std::set<std::uint32_t> expected;
    for (const auto& set : allSets(10, 4))
        if (std::count(set.begin(), set.end(), 2) && std::count(set.begin(), set.end(), 7)
            && std::all_of(set.begin(), set.end(), [&](int p) {
                   return p == 2 || p == 7 || std::count(outside.begin(), outside.end(), p);
               }))
            expected.insert(space.rank(set.data(), 4));
    EXPECT_EQ(ranks, expected);
    EXPECT_EQ(ranks.size(), 10u);
}

TEST(PoolSymmetry, TurnsCyclesAndExpandsEachOrbitOnce)
{
    const PoolSymmetry turn{3, 2}; // (0 1 2)(3 4 5), 6 fixed
    EXPECT_EQ((std::vector<int>{turn.image(0), turn.image(2), turn.image(5), turn.image(6)}), (std::vector<int>{1, 0, 3, 6}));
    // A set of both cycles has three images; one of a whole cycle and the fixed number, one.
    EXPECT_EQ(expandOrbits({setOf({0, 3}), setOf({1, 4}), setOf({0, 1, 2, 6})}, turn).size(), 4u);
    const auto turns = symmetriesFor(7);
    EXPECT_EQ(turns.front().length, 2);
    EXPECT_EQ(turns.front().cycles, 3);
    const auto lastTurn = std::find_if(turns.rbegin(), turns.rend(), [](const PoolSymmetry& group) {
        return !group.multiplies() && group.halfCycles == 0;
    });
    EXPECT_EQ(lastTurn->length, 7);
}

TEST(PoolSymmetry, TurnsCyclesOfHalfTheLengthWithTheLongOnes)
{
    PoolSymmetry turn{4, 2}; // (0 1 2 3)(4 5 6 7)(8 9), 10 on in place
    turn.halfCycles = 1;
    EXPECT_EQ(turn.inPlace(), 10);
    EXPECT_EQ((std::vector<int>{turn.image(3), turn.image(7), turn.image(8), turn.image(9), turn.image(9, 2), turn.image(10)}),
              (std::vector<int>{0, 4, 9, 8, 9, 10}));
    // The short cycle comes back after two turns: a set of it and a long
    // cycle has four images, one of it and the numbers in place one.
    EXPECT_EQ(expandOrbits({setOf({0, 8})}, turn).size(), 4u);
    EXPECT_EQ(expandOrbits({setOf({8, 9, 10})}, turn).size(), 1u);
    EXPECT_EQ(expandOrbits({setOf({0, 2, 8})}, turn).size(), 2u);
    // Offered where they leave at most five numbers in place.
    const auto mixedOf = [](int v) {
        std::vector<std::pair<int, int>> mixed;
        for (const PoolSymmetry& group : symmetriesFor(v))
            if (group.halfCycles > 0)
                mixed.emplace_back(group.cycles, group.halfCycles);
        return mixed;
    };
    EXPECT_EQ(mixedOf(7), (std::vector<std::pair<int, int>>{{1, 1}}));
    EXPECT_EQ(mixedOf(15), (std::vector<std::pair<int, int>>{{2, 1}, {2, 2}}));
    EXPECT_EQ(mixedOf(17), (std::vector<std::pair<int, int>>{{2, 2}}));
    EXPECT_TRUE(mixedOf(18).empty());
}

TEST(PoolSymmetry, MultipliesWithinACycleAndExpandsTheWholeGroupsOrbit)
{
    const PoolSymmetry group{7, 1, 2}; // x -> x + 1 and x -> 2x on 0..6, 7 fixed
    EXPECT_EQ(group.scalings(), 3);
    EXPECT_EQ((std::vector<int>{group.scaled(3), group.scaled(5), group.scaled(7)}), (std::vector<int>{6, 3, 7}));
    // A line of the Fano plane goes to lines: its orbit is the plane's seven;
    // a set the multiplier moves to no turn of it has 21 images.
    EXPECT_EQ(expandOrbits({setOf({0, 1, 3})}, group).size(), 7u);
    EXPECT_EQ(expandOrbits({setOf({0, 1, 2})}, group).size(), 21u);
    EXPECT_EQ(expandOrbits({setOf({0, 1, 3}), setOf({0, 1, 2, 7})}, group).size(), 28u);
}

TEST(PoolSymmetry, OffersEachGroupOfMultipliersOnceForTheLongestCycles)
{
    std::vector<std::tuple<int, int, bool>> multiplied;
    for (const PoolSymmetry& group : symmetriesFor(7))
        if (group.multiplies())
            multiplied.emplace_back(group.length, group.multiplier, group.swapsInPlace);
    // Mod 5, 3 makes the same group as 2; mod 7, 4 and 5 those of 2 and 3;
    // two cycles of 3 leave one number in place. One cycle of 5 leaves two,
    // which its mirror image swaps.
    EXPECT_EQ(multiplied, (std::vector<std::tuple<int, int, bool>>{{5, 2, false},
                                                                   {5, 4, false},
                                                                   {6, 5, false},
                                                                   {7, 2, false},
                                                                   {7, 3, false},
                                                                   {7, 6, false},
                                                                   {3, 2, false},
                                                                   {5, 4, true}}));
    // 12 numbers: one cycle of 10, two of 5, and the pairs of 2 (their own mirror) none.
    std::vector<std::pair<int, int>> mirrored;
    for (const PoolSymmetry& group : symmetriesFor(12))
        if (group.swapsInPlace)
            mirrored.emplace_back(group.length, group.cycles);
    EXPECT_EQ(mirrored, (std::vector<std::pair<int, int>>{{5, 2}, {10, 1}}));
    // 19 numbers: six cycles of 3 and three of 6 mirrored with one in place,
    // and one cycle of 17 with the two swapped; two cycles of 9 have all
    // their multipliers already.
    std::vector<std::tuple<int, int, bool>> mirrors;
    for (const PoolSymmetry& group : symmetriesFor(19))
        if (group.length > 2 && group.multiplier == group.length - 1 && (group.cycles > 2 || group.swapsInPlace))
            mirrors.emplace_back(group.length, group.cycles, group.swapsInPlace);
    EXPECT_EQ(mirrors, (std::vector<std::tuple<int, int, bool>>{{3, 6, false}, {6, 3, false}, {17, 1, true}}));
}

TEST(PoolSymmetry, TheMirrorImageSwapsTheTwoInPlace)
{
    PoolSymmetry group{3, 2, 2}; // (0 1 2)(3 4 5) and x -> -x; 6 and 7 in place
    group.swapsInPlace = true;
    // A set with one of the two has its turns with it and their mirror
    // images with the other; the two together stay.
    const auto sorted = [](Tickets tickets) {
        std::sort(tickets.begin(), tickets.end());
        return tickets;
    };
    EXPECT_EQ(expandOrbits({setOf({0, 6})}, group),
              sorted({setOf({0, 6}), setOf({0, 7}), setOf({1, 6}), setOf({1, 7}), setOf({2, 6}), setOf({2, 7})}));
    EXPECT_EQ(expandOrbits({setOf({0, 6, 7})}, group).size(), 3u);
    EXPECT_EQ(expandOrbits({setOf({1, 2, 6})}, group), sorted({setOf({0, 1, 6}), setOf({0, 2, 6}), setOf({1, 2, 6}),
                                                               setOf({0, 1, 7}), setOf({0, 2, 7}), setOf({1, 2, 7})}));
    group.swapsInPlace = false;
    EXPECT_EQ(expandOrbits({setOf({0, 6})}, group).size(), 3u);
}

TEST(PoolSymmetry, TurnsABigPoolInOneCycleWithAndWithoutAFixedNumberAndMultiplied)
{
    std::vector<std::pair<int, int>> groups;
    for (const PoolSymmetry& group : bigPoolSymmetries(10))
        groups.emplace_back(group.length, group.multiplier);
    // Mod 10, 3 and 7 make one group; mod 9, 2 and 5 one, 4 and 7 one.
    EXPECT_EQ(groups, (std::vector<std::pair<int, int>>{{10, 1}, {9, 1}, {10, 3}, {10, 9}, {9, 2}, {9, 4}, {9, 8}}));
}
