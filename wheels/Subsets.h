// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

// C(n, k) for 0 <= n <= 128, saturating at the largest 64-bit value; 0 when
// k < 0 or k > n.
std::uint64_t binomial(int n, int k);

// The rank of a set of distinct positions, sorted ascending, among all sets
// of its size (the colexicographic order: {0,1,2} is 0, {0,1,3} is 1). The
// ranks of the k-sets of v positions run from 0 to C(v, k) - 1.
inline std::uint64_t colexRank(const int* sorted, int count)
{
    std::uint64_t rank = 0;
    for (int i = 0; i < count; ++i)
        rank += binomial(sorted[i], i + 1);
    return rank;
}

// Every k-set of the positions 0 to n - 1 in colexicographic order, each
// sorted ascending: k values per set, one after the other.
std::vector<int> allSubsets(int n, int k);

// Steps through the k-sets of 0 to n - 1 in colexicographic order.
class SubsetWalk {
public:
    SubsetWalk(int n, int k);
    bool valid() const { return valid_; }
    const std::vector<int>& positions() const { return positions_; }
    void next();

private:
    int n_;
    std::vector<int> positions_;
    bool valid_;
};
