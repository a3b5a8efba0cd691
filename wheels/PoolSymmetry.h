// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WheelShape.h"

#include <vector>

// A turn of the pool's positions: `cycles` cycles of `length` positions
// each (0 to length - 1 the first, and so on), the rest left in place. A
// wheel that the turn maps onto itself is known by one ticket of each
// orbit, so a search among such wheels has a fraction of the choices, and
// many of the smallest wheels known are of this kind.
struct PoolSymmetry {
    int length = 1;
    int cycles = 0;

    int image(int position) const
    {
        return position < length * cycles ? position - position % length + (position % length + 1) % length
                                          : position;
    }
    PoolSet image(const PoolSet& set) const
    {
        PoolSet turned;
        set.forEach([&](int p) { turned.insert(image(p)); });
        return turned;
    }
};

// Every ticket of the orbits of the given ones, each once.
Tickets expandOrbits(const Tickets& base, const PoolSymmetry& symmetry);

// The turns worth trying for a pool of v positions: every cycle length from
// 2 up with as many whole cycles as fit, and those with one cycle fewer.
std::vector<PoolSymmetry> symmetriesFor(int v);
