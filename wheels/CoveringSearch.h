// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WheelShape.h"

#include <cstddef>
#include <cstdint>
#include <functional>

// Where a search stops: after so many moves, after so many seconds (0: no
// limit for either), or once a wheel of `target` tickets or fewer is found.
struct SearchLimits {
    std::uint64_t steps = 0;
    double seconds = 0;
    std::size_t target = 0;
};

// How far a search is.
struct SearchProgress {
    std::size_t tickets = 0;   // the wheel being repaired
    std::size_t uncovered = 0; // the sets it leaves uncovered
    std::size_t best = 0;      // the smallest complete wheel so far
    std::uint64_t steps = 0;
    double seconds = 0;
};
// Told every 50 ms or so; returns false to stop the search (Cancel).
using SearchWatch = std::function<bool(const SearchProgress&)>;

// Makes a complete wheel smaller by simulated annealing on the number of
// M-sets no ticket reaches: once none is left, the ticket that reaches the
// fewest sets alone goes, and the search repairs the gap by moving one
// number of one ticket at a time, taking every move that leaves no more
// sets uncovered and a worse one with a chance that falls as the search
// cools. A move always aims at a set left uncovered: a ticket that holds
// T - 1 of its numbers takes one more of them for one of its others.
// Returns the smallest complete wheel met, the start when none is smaller.
// The same seed and limits, without a time limit, give the same wheel. The
// shape's M-sets must not exceed kMostSearchUnits (UnitSpace.h).
Tickets shrinkWheel(const WheelShape& shape, const Tickets& start, std::uint64_t seed,
                    const SearchLimits& limits, const SearchWatch& watch);
