// SPDX-License-Identifier: GPL-3.0-or-later
#include "PoolSymmetry.h"
#include "SearchRandom.h"
#include "WheelCheck.h"
#include "WheelsTesting.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct Planted {
    const char* what;
    WheelShape shape;
    Tickets wheel;
};

// Whether some ticket meets the set in T or more positions.
bool reached(const Tickets& tickets, const std::vector<int>& set, int t)
{
    const PoolSet drawn = setOf(set);
    for (const PoolSet& ticket : tickets)
        if ((ticket & drawn).count() >= t)
            return true;
    return false;
}

} // namespace

// Each wheel holds its promise; without any one of its tickets it does not,
// and the hole the check names is one no remaining ticket reaches.
TEST(WheelCheck, ProvesWheelsAndFindsTheHoleATicketLeaves)
{
    const Tickets fano = {setOf({0, 1, 2}), setOf({0, 3, 4}), setOf({0, 5, 6}), setOf({1, 3, 5}),
                          setOf({1, 4, 6}), setOf({2, 3, 6}), setOf({2, 4, 5})};
    // 2 if 3 on 8: two halves, each on one ticket of four.
    const Tickets halves = {setOf({0, 1, 2, 3}), setOf({4, 5, 6, 7})};
    // Every triple of 8 once: the planes of GF(2)^3, four points whose sum is 0.
    Tickets planes;
    for (const auto& set : allSets(8, 4))
        if ((set[0] ^ set[1] ^ set[2] ^ set[3]) == 0)
            planes.push_back(setOf(set));
    // Every triple of 20 in 70 tickets of 6, one fewer than the best known:
    // the orbits of 14 tickets under turning 0-5, 6-11 and 12-17 (18 and 19 fixed).
    const Tickets seventy = expandOrbits(
        {setOf({0, 1, 2, 12, 13, 17}), setOf({0, 1, 3, 6, 15, 18}), setOf({0, 1, 4, 9, 14, 19}),
         setOf({0, 1, 7, 10, 12, 17}), setOf({0, 1, 8, 11, 12, 17}), setOf({0, 2, 4, 6, 8, 10}),
         setOf({0, 2, 7, 8, 9, 15}), setOf({0, 3, 7, 10, 14, 17}), setOf({0, 6, 12, 14, 15, 19}),
         setOf({0, 7, 10, 17, 18, 19}), setOf({0, 8, 13, 14, 16, 18}), setOf({0, 9, 10, 11, 13, 15}),
         setOf({6, 7, 9, 10, 18, 19}), setOf({6, 8, 10, 13, 15, 17})},
        PoolSymmetry{6, 3});
    ASSERT_EQ(seventy.size(), 70u);
    const Planted cases[] = {
        {"pairs of 7 by the Fano plane", {7, 3, 2, 2}, fano},
        {"2 if 3 by halves", {8, 4, 2, 3}, halves},
        {"3 if 3 by the planes of GF(2)^3", {8, 4, 3, 3}, planes},
        {"3 if 4 by the planes of GF(2)^3", {8, 4, 3, 4}, planes},
        {"1 if 1: every number once", {9, 3, 1, 1}, {setOf({0, 1, 2}), setOf({3, 4, 5}), setOf({6, 7, 8})}},
        {"2 if 2 across both words", {70, 70, 2, 2}, {PoolSet::firstPositions(70)}},
        {"3 if 3 on 20 in 70 tickets", {20, 6, 3, 3}, seventy},
    };
    for (const Planted& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(checkWheel(c.shape, c.wheel, 1'000'000).kind, WheelVerdict::Kind::Proven);
        for (std::size_t gone = 0; gone < c.wheel.size(); ++gone) {
            Tickets holed = c.wheel;
            holed.erase(holed.begin() + static_cast<std::ptrdiff_t>(gone));
            const WheelVerdict verdict = checkWheel(c.shape, holed, 1'000'000);
            ASSERT_EQ(verdict.kind, WheelVerdict::Kind::Hole) << "without ticket " << gone;
            ASSERT_EQ(static_cast<int>(verdict.hole.size()), c.shape.drawn);
            EXPECT_FALSE(reached(holed, verdict.hole, c.shape.guarantee));
            EXPECT_TRUE(reached(c.wheel, verdict.hole, c.shape.guarantee));
        }
    }
}

// Random tickets against every M-set gone through one by one.
TEST(WheelCheck, AgreesWithCheckingEverySetOneByOne)
{
    const WheelShape shapes[] = {{9, 4, 2, 2}, {9, 4, 2, 4}, {10, 5, 3, 3}, {10, 5, 3, 5}, {11, 5, 4, 5}, {8, 3, 1, 3}};
    SearchRandom random(2024);
    for (const WheelShape& shape : shapes)
        for (int trial = 0; trial < 40; ++trial) {
            Tickets tickets;
            const int count = 1 + static_cast<int>(random.below(12));
            for (int i = 0; i < count; ++i) {
                PoolSet ticket;
                while (ticket.count() < shape.ticket)
                    ticket.insert(static_cast<int>(random.below(static_cast<std::uint32_t>(shape.pool))));
                tickets.push_back(ticket);
            }
            bool holed = false;
            for (const auto& set : allSets(shape.pool, shape.drawn))
                holed |= !reached(tickets, set, shape.guarantee);
            const WheelVerdict verdict = checkWheel(shape, tickets, 1'000'000);
            EXPECT_EQ(verdict.kind, holed ? WheelVerdict::Kind::Hole : WheelVerdict::Kind::Proven)
                << shape.pool << "/" << shape.ticket << "/" << shape.guarantee << "/" << shape.drawn << " #" << trial;
        }
}

TEST(WheelCheck, SaysUncheckedWhenItsBudgetOrItsCallerStopsIt)
{
    // 2 if 6 on 49: five parts, each whole on one ticket; the proof goes
    // through every choice of one number a part.
    const WheelShape shape{49, 10, 2, 6};
    Tickets parts;
    for (int first = 0; first < 49; first += 10) {
        PoolSet part;
        for (int p = first; p < std::min(49, first + 10); ++p)
            part.insert(p);
        parts.push_back(part);
    }
    const WheelVerdict proven = checkWheel(shape, parts, 1'000'000);
    EXPECT_EQ(proven.kind, WheelVerdict::Kind::Proven);
    EXPECT_EQ(checkWheel(shape, parts, proven.steps - 1).kind, WheelVerdict::Kind::Unchecked);
    EXPECT_EQ(checkWheel(shape, parts, 1'000'000, [] { return true; }).kind, WheelVerdict::Kind::Unchecked);
}
