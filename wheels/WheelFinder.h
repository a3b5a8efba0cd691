// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CoveringSearch.h"
#include "WheelCheck.h"
#include "WheelShape.h"

#include <cstdint>
#include <functional>
#include <string>

// How long a wheel may be sought: `work` counts the sets a search looks at
// (about 10^8 a second on one core), which a seed turns into the same wheel
// on any machine; `seconds` is a limit on the clock for the window. Zero is
// no limit; one of them must be set.
struct WheelBudget {
    std::uint64_t work = 0;
    double seconds = 0;
    // A wheel this small is small enough (a best size known): the search
    // stops there as at the lower bound. 0: only the lower bound.
    std::size_t enough = 0;
};

// Where a finder stands, for a progress bar.
struct FinderProgress {
    SearchProgress search; // the search running now
    std::size_t best = 0;  // the smallest wheel so far
    double seconds = 0;
    double fraction = 0; // of the budget
};
// Told every 50 ms or so; returns false to stop (Cancel).
using FinderWatch = std::function<bool(const FinderProgress&)>;

// The smallest wheel found, how, and whether it holds its promise.
struct FoundWheel {
    Tickets tickets;
    std::string method;
    std::uint64_t lowerBound = 0;
    WheelVerdict verdict;
    bool stopped = false; // cancelled before the budget ran out
};

// Steps the final check of a wheel may take (a few seconds at most).
constexpr std::uint64_t kCheckBudget = 400'000'000;

// Finds a small wheel of the shape (1 <= T <= M <= K <= V <= 99, at most
// kMostSearchUnits T-sets) and checks it: constructions where they apply
// (one ticket, the pool's partition for T = 1, pigeonhole splits whose
// parts are found the same way), a greedy covering, then searches - plain,
// and among wheels that a turn of the pool maps onto themselves - and
// wheels made of those of nearby pools (for M = T), until the
// lower bound is met, the budget runs out or the watch says stop. Searches
// on M-sets for M > T only while they number at most kMostSearchUnits.
FoundWheel findWheel(const WheelShape& shape, std::uint64_t seed, const WheelBudget& budget,
                     const FinderWatch& watch);
