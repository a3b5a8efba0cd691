// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

// The 60 rotations of the icosahedron as maps z -> (a z + b) / (c z + d) of
// the projective line over the integers mod a prime q that is 1 or 9 mod
// 10: the numbers 0 to q - 1 and infinity, q + 1 positions, infinity the
// last. No turn mixes a pool as these do: 30 numbers as the line of 29 make
// 235 tickets of 6, 3 if 3, where the turns got no lower than 250.
class IcosahedralGroup {
public:
    // The group on v positions, or nullptr when v - 1 is no such prime.
    static const IcosahedralGroup* of(int v);

    // Where each element takes each position: 60 permutations of q + 1.
    const std::vector<std::vector<int>>& elements() const { return elements_; }

    explicit IcosahedralGroup(int q);

private:
    std::vector<std::vector<int>> elements_;
};
