// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WheelShape.h"

#include <cstdint>
#include <functional>
#include <vector>

// What checking a wheel found.
struct WheelVerdict {
    enum class Kind {
        Proven,   // every M-set of the pool meets a ticket in T or more numbers
        Hole,     // `hole` meets every ticket in fewer than T
        Unchecked // the check ran out of its budget, or was stopped
    };
    Kind kind = Kind::Unchecked;
    std::vector<int> hole; // positions, ascending
    std::uint64_t steps = 0;
};

// The most (T-1)-sets a check keeps a mask for (64 MiB of them).
constexpr std::uint64_t kMostCheckedSides = std::uint64_t{1} << 22;

// Whether the check of a shape fits kMostCheckedSides.
bool checkable(const WheelShape& shape);

// The steps a check may take at most: every set of up to M positions.
std::uint64_t mostCheckSteps(const WheelShape& shape);

// Checks every M-set of the pool, exhaustively: a depth-first search for M
// positions no T of which stand together on a ticket. Each (T-1)-set keeps
// a mask of the positions that no ticket holds with it, so a set grows only
// by positions in every mask of its (T-1)-subsets; for T = 2 this is a
// search for M positions that no ticket pairs. Tickets may hold any number
// of positions (the shape's K is not used). Stops with Unchecked after
// `budget` steps, or when `stop` (checked every few thousand steps) says so.
WheelVerdict checkWheel(const WheelShape& shape, const Tickets& tickets, std::uint64_t budget,
                        const std::function<bool()>& stop = {});
