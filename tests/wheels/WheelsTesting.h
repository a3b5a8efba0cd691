// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Subsets.h"
#include "WheelShape.h"

#include <initializer_list>
#include <vector>

inline PoolSet setOf(std::initializer_list<int> positions)
{
    PoolSet set;
    for (int p : positions)
        set.insert(p);
    return set;
}

inline PoolSet setOf(const std::vector<int>& positions)
{
    PoolSet set;
    for (int p : positions)
        set.insert(p);
    return set;
}

// Every k-set of n positions.
inline std::vector<std::vector<int>> allSets(int n, int k)
{
    std::vector<std::vector<int>> sets;
    for (SubsetWalk walk(n, k); walk.valid(); walk.next())
        sets.push_back(walk.positions());
    return sets;
}
