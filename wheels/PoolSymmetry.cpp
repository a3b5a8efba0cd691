// SPDX-License-Identifier: GPL-3.0-or-later
#include "PoolSymmetry.h"

#include <algorithm>

Tickets expandOrbits(const Tickets& base, const PoolSymmetry& symmetry)
{
    Tickets all;
    for (PoolSet ticket : base)
        for (int i = 0; i < symmetry.length; ++i) {
            all.push_back(ticket);
            ticket = symmetry.image(ticket);
        }
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    return all;
}

std::vector<PoolSymmetry> symmetriesFor(int v)
{
    std::vector<PoolSymmetry> turns;
    for (int length = 2; length <= v; ++length)
        for (int cycles = v / length; cycles >= 1 && cycles >= v / length - 1; --cycles)
            turns.push_back({length, cycles});
    return turns;
}
