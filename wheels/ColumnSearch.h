// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CoveringSearch.h"
#include "PoolSymmetry.h"
#include "TicketOrbits.h"
#include "WheelShape.h"

#include <cstdint>
#include <memory>
#include <optional>

class RowWeighting;

// Covers every T-set of the pool (M = T) by choosing among all its K-sets
// as tickets - or, with a symmetry, among their orbits, each costing its
// tickets, to cover every orbit of T-sets - with a local search on row
// weights. It starts from a greedy choice; while every T-set is covered the
// ticket whose loss weighs least per ticket goes, until there are fewer
// tickets than in the smallest covering met; each step then takes out the
// chosen ticket whose loss weighs least per ticket and puts in, for a T-set
// left uncovered, the ticket covering the most weight per ticket; the
// T-sets still uncovered then weigh one more, which leads the search out
// of a dead end. A short orbit costs less than a full one, so wheels of
// mixed orbits are found too. Once it has gone four times as long without a
// smaller covering as it took to find its last one, and at least its
// start's patience, it starts again from a greedy choice with every weight
// 1 (the smallest covering kept): a fresh start finds what a stuck search
// does not. The search keeps its place between runs.
class TicketChooser {
public:
    // columnsFit must hold.
    TicketChooser(const WheelShape& shape, std::uint64_t seed, const PoolSymmetry* symmetry);
    ~TicketChooser();

    // Goes on for the limits' steps of the finder's work (the columns and
    // rows looked at, a twelfth of them a unit) or seconds; the smallest
    // covering met so far, as its orbits' tickets. The same seed and limits
    // without a time limit give the same wheel.
    Tickets run(const SearchLimits& limits, const SearchWatch& watch);
    // Starts again as a new chooser with this seed would, without building
    // its search again (seconds for a big pool).
    void startAfresh(std::uint64_t seed);

private:
    WheelShape shape_;
    std::optional<PoolSymmetry> symmetry_;
    std::unique_ptr<RowWeighting> search_;
};

// The n-th start's share of patience (n from 1): 1 1 2 1 1 2 4 1 1 2 ...
// (Luby's sequence), many short starts and now and then a long one.
std::uint64_t startShare(std::uint64_t n);
