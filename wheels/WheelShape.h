// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PoolSet.h"

#include <vector>

// What a wheel promises: tickets of `ticket` numbers from a pool of `pool`
// numbers such that whenever `drawn` of the drawn numbers are in the pool,
// some ticket holds at least `guarantee` of them ("T if M"; M = T is a
// covering of every T-set). Positions 0 to pool - 1 stand for the pool's
// numbers.
struct WheelShape {
    int pool = 0;      // V
    int ticket = 0;    // K
    int guarantee = 0; // T
    int drawn = 0;     // M
};

using Tickets = std::vector<PoolSet>;
