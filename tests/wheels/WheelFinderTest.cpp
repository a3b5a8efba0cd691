// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColumnSearch.h"
#include "GreedyCovering.h"
#include "WheelBounds.h"
#include "WheelConstructions.h"
#include "WheelFinder.h"
#include "WheelsTesting.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A few seconds of searching under the sanitizers at most.
constexpr std::uint64_t kTestWork = 10'000'000;

FoundWheel find(const WheelShape& shape, std::uint64_t seed = 7, std::uint64_t work = kTestWork)
{
    WheelBudget budget;
    budget.work = work;
    return findWheel(shape, seed, budget, {});
}

bool allOfSize(const Tickets& tickets, int k)
{
    return std::all_of(tickets.begin(), tickets.end(), [k](const PoolSet& t) { return t.count() == k; });
}

} // namespace

TEST(WheelBounds, SchonheimAndTuranBounds)
{
    const struct {
        WheelShape shape;
        std::uint64_t bound;
    } cases[] = {
        {{49, 6, 3, 3}, 948},  {{20, 6, 3, 3}, 64}, {{10, 6, 2, 2}, 4},   {{7, 3, 2, 2}, 7},
        {{8, 4, 4, 4}, 70},    {{13, 6, 1, 1}, 3},  {{49, 6, 2, 6}, 15},  {{10, 6, 2, 3}, 2},
        {{20, 6, 3, 6}, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(wheelLowerBound(c.shape), c.bound) << c.shape.pool << "/" << c.shape.ticket << "/"
                                                      << c.shape.guarantee << "/" << c.shape.drawn;
}

// Six drawn numbers in five parts put two in one: 4 + 4 + 4 + 4 + 3 tickets.
TEST(WheelConstructions, PigeonholeSplitWheelsFortyNineNumbersTwoIfSixInNineteenTickets)
{
    const FoundWheel wheel = find({49, 6, 2, 6});
    EXPECT_EQ(wheel.tickets.size(), 19u);
    EXPECT_EQ(wheel.method, "a split into 5 parts");
    EXPECT_EQ(wheel.verdict.kind, WheelVerdict::Kind::Proven);
    EXPECT_TRUE(allOfSize(wheel.tickets, 6));
}

TEST(WheelConstructions, SplitsPartsAndTheirJoinedWheelsHoldTheirPromise)
{
    const auto splits = pigeonholeSplits({49, 6, 2, 6});
    ASSERT_EQ(splits.size(), 4u);
    EXPECT_EQ(splits.front().sizes, (std::vector<int>{10, 10, 10, 10, 9}));
    EXPECT_EQ(splits.back().drawnInPart, 3);
    EXPECT_TRUE(pigeonholeSplits({20, 6, 3, 4}).empty());
    // Two parts of 5 and 4, each on one ticket filled up from the other part.
    const PoolSplit halves{2, 2, {5, 4}};
    const Tickets joined = joinParts(halves, {{PoolSet::firstPositions(5)}, {PoolSet::firstPositions(4)}}, 9, 6);
    EXPECT_EQ(joined, (Tickets{setOf({0, 1, 2, 3, 4, 5}), setOf({0, 5, 6, 7, 8, 1})}));
    EXPECT_EQ(checkWheel({9, 6, 2, 3}, joined, 100'000).kind, WheelVerdict::Kind::Proven);
    const Tickets partition = partitionWheel(13, 6);
    EXPECT_EQ(partition.size(), 3u);
    EXPECT_TRUE(allOfSize(partition, 6));
    EXPECT_EQ(checkWheel({13, 6, 1, 1}, partition, 100'000).kind, WheelVerdict::Kind::Proven);
}

// The added numbers' partner wheels are designs (the Fano plane, the
// triple system of 9, the quadruple system of 8, all pairs of 6): each of
// their sets on one ticket only, so without one ticket there is a hole.
TEST(WheelConstructions, NumbersAddedToAWheelOfTheRestKeepItsGuarantee)
{
    const struct {
        int pool, ticket, guarantee, added;
        std::size_t partnerSize;
    } cases[] = {{9, 5, 3, 2, 7}, {11, 5, 3, 2, 12}, {9, 5, 4, 1, 14}, {9, 5, 3, 3, 15}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.pool) + "/" + std::to_string(c.ticket) + "/" + std::to_string(c.guarantee));
        const int restPool = c.pool - c.added;
        const Tickets rest = find({restPool, c.ticket, c.guarantee, c.guarantee}).tickets;
        Tickets partner = find({restPool, c.ticket - c.added, c.guarantee - 1, c.guarantee - 1}).tickets;
        ASSERT_EQ(partner.size(), c.partnerSize);
        const WheelShape shape{c.pool, c.ticket, c.guarantee, c.guarantee};
        const Tickets joined = withNumbersAdded(rest, partner, restPool, c.added);
        EXPECT_EQ(joined.size(), rest.size() + partner.size());
        EXPECT_TRUE(allOfSize(joined, c.ticket));
        EXPECT_EQ(checkWheel(shape, joined, 1'000'000).kind, WheelVerdict::Kind::Proven);
        partner.pop_back();
        EXPECT_EQ(checkWheel(shape, withNumbersAdded(rest, partner, restPool, c.added), 1'000'000).kind,
                  WheelVerdict::Kind::Hole);
    }
}

// Two tickets that differ only in the number left out become one.
TEST(WheelConstructions, AWheelOfOneNumberMoreWithThatNumberReplaced)
{
    const Tickets replaced = withLastNumberReplaced(
        {setOf({0, 1, 2, 3, 4}), setOf({0, 1, 2, 4, 5}), setOf({1, 2, 3, 4, 5}), setOf({1, 2, 3, 4, 6})}, 6, 5);
    EXPECT_EQ(replaced, (Tickets{setOf({0, 1, 2, 3, 4}), setOf({0, 1, 2, 4, 5}), setOf({1, 2, 3, 4, 5})}));
    for (const WheelShape shape : {WheelShape{9, 5, 3, 3}, WheelShape{12, 6, 3, 3}}) {
        const Tickets wheel = withLastNumberReplaced(find({shape.pool + 1, shape.ticket, 3, 3}).tickets, shape.pool,
                                                     shape.ticket);
        EXPECT_TRUE(allOfSize(wheel, shape.ticket));
        EXPECT_TRUE(std::none_of(wheel.begin(), wheel.end(), [&](const PoolSet& t) { return t.contains(shape.pool); }));
        EXPECT_EQ(checkWheel(shape, wheel, 1'000'000).kind, WheelVerdict::Kind::Proven) << shape.pool;
    }
}

// Cells whose best size is the lower bound: the search stops there.
TEST(WheelFinder, SmallCellsAtTheirBestSizes)
{
    const struct {
        WheelShape shape;
        std::size_t size;
    } cases[] = {
        {{7, 3, 2, 2}, 7},  {{10, 6, 2, 2}, 4}, {{13, 6, 2, 2}, 7}, {{11, 5, 2, 2}, 7},
        {{12, 6, 3, 3}, 15}, {{10, 6, 2, 3}, 2}, {{6, 6, 4, 4}, 1}, {{8, 5, 5, 5}, 56},
    };
    for (const auto& c : cases) {
        const FoundWheel wheel = find(c.shape);
        EXPECT_EQ(wheel.tickets.size(), c.size) << c.shape.pool << "/" << c.shape.ticket << "/" << c.shape.guarantee;
        EXPECT_EQ(wheel.verdict.kind, WheelVerdict::Kind::Proven);
        EXPECT_TRUE(allOfSize(wheel.tickets, c.shape.ticket));
    }
}

TEST(WheelFinder, TheSameSeedAndWorkFindTheSameWheelAndBeatTheGreedyStart)
{
    const WheelShape shape{15, 5, 3, 3};
    const FoundWheel first = find(shape, 11);
    EXPECT_EQ(find(shape, 11).tickets, first.tickets);
    EXPECT_LT(first.tickets.size(), greedyCovering(shape, 11).size());
    EXPECT_GE(first.tickets.size(), first.lowerBound);
    EXPECT_EQ(first.verdict.kind, WheelVerdict::Kind::Proven);
    // A search on the 4-sets makes "3 if 4" smaller than the covering it starts from.
    const FoundWheel drawn = find({12, 5, 3, 4}, 11);
    EXPECT_EQ(drawn.verdict.kind, WheelVerdict::Kind::Proven);
    EXPECT_LT(drawn.tickets.size(), find({12, 5, 3, 3}, 11).tickets.size());
}

TEST(WheelFinder, CancelKeepsTheSmallestWheelFoundSoFar)
{
    int told = 0;
    WheelBudget budget;
    budget.work = 4'000'000'000;
    const FoundWheel wheel = findWheel({20, 6, 3, 3}, 5, budget, [&told](const FinderProgress&) { return ++told < 3; });
    EXPECT_TRUE(wheel.stopped);
    EXPECT_EQ(told, 3);
    EXPECT_FALSE(wheel.tickets.empty());
    EXPECT_EQ(wheel.verdict.kind, WheelVerdict::Kind::Proven);
}

// Among the orbits of one turn of 17 numbers, and among those of turning 26
// numbers and multiplying them by 17 (mod 26), lie Steiner systems: every
// triple on exactly one ticket.
TEST(TicketChooser, FindsEveryTripleOnceAmongTheOrbitsOfAGroup)
{
    const struct {
        int pool;
        PoolSymmetry group;
        std::size_t tickets;
    } cases[] = {{17, {17, 1}, 68}, {26, {26, 1, 17}, 260}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pool);
        const WheelShape shape{c.pool, 5, 3, 3};
        SearchLimits limits;
        limits.steps = 20'000'000;
        limits.target = c.tickets;
        TicketChooser chooser(shape, 3, &c.group);
        const Tickets wheel = chooser.run(limits, {});
        ASSERT_EQ(wheel.size(), c.tickets);
        EXPECT_EQ(expandOrbits(wheel, c.group), wheel);
        for (const auto& triple : allSets(c.pool, 3)) {
            int holding = 0;
            for (const PoolSet& ticket : wheel)
                holding += (ticket & setOf(triple)).count() == 3;
            ASSERT_EQ(holding, 1);
        }
        // It goes on from where it stopped: asked for no more, it has no more to say.
        EXPECT_EQ(chooser.run(limits, {}), wheel);
    }
}

// Each block of starts repeats the block before twice, then has one twice
// as long as any in it: a wrong term would leave a search only short
// starts, or long ones it cannot afford.
TEST(StartShare, FollowsLubysSequence)
{
    std::vector<std::uint64_t> shares;
    for (std::uint64_t n = 1; n <= 16; ++n)
        shares.push_back(startShare(n));
    EXPECT_EQ(shares, (std::vector<std::uint64_t>{1, 1, 2, 1, 1, 2, 4, 1, 1, 2, 1, 1, 2, 4, 8, 1}));
    const std::uint64_t big = std::uint64_t{1} << 40;
    const std::vector<std::pair<std::uint64_t, std::uint64_t>> later{
        {31, 16}, {62, 16}, {63, 32}, {1023, 512}, {1024, 1}, {big - 1, big / 2}};
    for (const auto& [n, share] : later)
        EXPECT_EQ(startShare(n), share) << n;
}

// Mirrored and mixed turns hold the best wheels known, or better: three
// cycles of 6 with the two numbers left over swapped hold 20 numbers in 70
// tickets of 6, 3 if 3 (one fewer than the best known before it), six
// cycles of 3 with one number in place hold 19 numbers in 60, and two
// cycles of 4 and one of 2 with five in place hold 15 numbers in 55
// tickets of 5.
TEST(TicketChooser, FindsTheBestWheelsUnderMirroredAndMixedTurns)
{
    struct Case {
        WheelShape shape;
        PoolSymmetry group;
        std::uint64_t seed;
        std::size_t size;
    };
    PoolSymmetry swapping{6, 3, 5};
    swapping.swapsInPlace = true;
    PoolSymmetry mixed{4, 2};
    mixed.halfCycles = 1;
    for (const Case& c : {Case{{20, 6, 3, 3}, swapping, 2, 70}, Case{{19, 6, 3, 3}, {3, 6, 2}, 1, 60},
                          Case{{15, 5, 3, 3}, mixed, 4, 55}}) {
        SCOPED_TRACE(c.shape.pool);
        SearchLimits limits;
        limits.steps = 10'000'000;
        limits.target = c.size;
        TicketChooser chooser(c.shape, c.seed, &c.group);
        const Tickets wheel = chooser.run(limits, {});
        ASSERT_EQ(wheel.size(), c.size);
        EXPECT_EQ(expandOrbits(wheel, c.group), wheel);
        EXPECT_EQ(checkWheel(c.shape, wheel, kCheckBudget).kind, WheelVerdict::Kind::Proven);
    }
}

// The finder starts a stuck choice afresh instead of building it again:
// nothing of its past may change the wheels a seed gives.
TEST(TicketChooser, StartsAfreshAsANewChooserWithThatSeed)
{
    const WheelShape shape{13, 5, 3, 3};
    const PoolSymmetry turn{13, 1};
    for (const PoolSymmetry* symmetry : {static_cast<const PoolSymmetry*>(nullptr), &turn}) {
        SCOPED_TRACE(symmetry ? "a turn" : "all tickets");
        SearchLimits limits;
        limits.steps = 2'000;
        TicketChooser used(shape, 5, symmetry);
        for (int run = 0; run < 20; ++run)
            used.run(limits, {});
        used.startAfresh(9);
        TicketChooser fresh(shape, 9, symmetry);
        for (int run = 0; run < 5; ++run)
            EXPECT_EQ(used.run(limits, {}), fresh.run(limits, {}));
    }
}

// A choice stuck for long starts again from a greedy choice, larger than
// what it had found; of many short runs some end before the fresh start
// gets as small, and still give the smallest covering of all its starts.
TEST(TicketChooser, KeepsItsSmallestCoveringThroughFreshStarts)
{
    const WheelShape shape{13, 5, 3, 3};
    TicketChooser chooser(shape, 5, nullptr);
    SearchLimits limits;
    limits.steps = 300'000;
    std::size_t last = ~std::size_t{0};
    for (int run = 0; run < 400; ++run) {
        SCOPED_TRACE(run);
        const Tickets wheel = chooser.run(limits, {});
        EXPECT_LE(wheel.size(), last);
        EXPECT_EQ(checkWheel(shape, wheel, kCheckBudget).kind, WheelVerdict::Kind::Proven);
        last = wheel.size();
    }
}
