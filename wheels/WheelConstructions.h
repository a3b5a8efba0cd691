// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WheelShape.h"

#include <vector>

// Every number of the pool on one ticket, in V/K tickets rounded up, the
// last filled up with numbers of the first: the smallest "1 if M" wheel.
Tickets partitionWheel(int v, int k);

// A pigeonhole split: M drawn numbers among V cut into P parts put at least
// ceil(M/P) of them into one part, so a "T if ceil(M/P)" wheel of each part
// makes a "T if M" wheel of the whole pool. Six drawn numbers in five parts
// put two into one: pair-covering each part of 49 numbers in tickets of 6
// gives "2 if 6" in 19 tickets. Parts are as equal as can be, the first ones
// bigger.
struct PoolSplit {
    int parts = 0;
    int drawnInPart = 0;    // ceil(M/P), at least T
    std::vector<int> sizes; // of the parts, in order
};
std::vector<PoolSplit> pigeonholeSplits(const WheelShape& shape);

// Whether a search can cover every T-set of the split's biggest part.
bool splitSearchable(const PoolSplit& split, int guarantee);

// The wheel of the pool made of each part's wheel (positions 0 to size - 1
// of the part). A part smaller than drawnInPart needs none; a part's ticket
// shorter than K takes numbers of other parts to fill up.
Tickets joinParts(const PoolSplit& split, const std::vector<Tickets>& partWheels, int v, int k);

// A wheel of v numbers made of one of v + 1: each ticket holding the last
// number takes the lowest one it lacks instead; tickets made alike count once.
Tickets withLastNumberReplaced(const Tickets& wheel, int v, int k);

// The last `count` numbers of a pool of restPool + count added to a wheel of
// the others: a T-set without them is on a ticket of `rest`, a wheel of the
// others' T-sets; one with some of them has at most T - 1 others, on a
// ticket of `partner`, a wheel of the others' (T-1)-sets on K - count
// numbers, which takes the added ones.
Tickets withNumbersAdded(const Tickets& rest, const Tickets& partner, int restPool, int count);
