// SPDX-License-Identifier: GPL-3.0-or-later
#include "PoolSymmetry.h"
#include "UnitSpace.h"
#include "WheelsTesting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

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
    EXPECT_EQ(turns.back().length, 7);
}
