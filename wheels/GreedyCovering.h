// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WheelShape.h"

#include <cstdint>

// A covering of every T-set of the pool (the shape's M is not used), built
// ticket by ticket: each starts from a T-set still uncovered, chosen at
// random, and takes the numbers that cover the most uncovered T-sets with
// it. Quick and complete, but some 10 to 30 percent above the best sizes:
// the search's start. The shape's T-sets must not exceed kMostSearchUnits.
Tickets greedyCovering(const WheelShape& shape, std::uint64_t seed);
