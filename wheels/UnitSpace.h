// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WheelShape.h"

#include <cstdint>
#include <vector>

// The sets a wheel must reach, the M-sets of its pool, each known by its
// rank (Subsets.h), with what the searches ask of them.
class UnitSpace {
public:
    explicit UnitSpace(const WheelShape& shape);

    std::uint32_t units() const { return units_; }
    int size() const { return size_; }

    // The rank of `count` sorted positions among the sets of that size
    // (count <= M).
    std::uint32_t rank(const int* sorted, int count) const
    {
        std::uint32_t r = 0;
        for (int i = 0; i < count; ++i)
            r += terms_[static_cast<std::size_t>(sorted[i] * size_ + i)];
        return r;
    }
    // The rank of sorted positions with one more position inserted.
    std::uint32_t rankWith(const int* sorted, int count, int extra) const;
    // The M sorted positions of a unit.
    void unrank(std::uint32_t rank, int* sorted) const;

    // Calls f(rank) for every unit made of the sorted `part` and M - count
    // of the sorted `outside` positions (which hold none of the part's).
    template <typename F>
    void forEachExtension(const int* part, int count, const std::vector<int>& outside, F f) const;

private:
    int pool_;
    int size_;
    std::uint32_t units_;
    std::vector<std::uint32_t> terms_; // terms_[p * M + i] = C(p, i + 1)
};

// Most units a search keeps counts for; more would take too long and too
// much memory per move.
constexpr std::uint64_t kMostSearchUnits = std::uint64_t{1} << 22;

// C(V, M): the units of a shape, saturating.
std::uint64_t unitCount(const WheelShape& shape);

template <typename F>
void UnitSpace::forEachExtension(const int* part, int count, const std::vector<int>& outside, F f) const
{
    const int more = size_ - count;
    if (more == 0) {
        f(rank(part, count));
        return;
    }
    const int n = static_cast<int>(outside.size());
    if (more > n)
        return;
    int chosen[kMostPoolNumbers];
    for (int i = 0; i < more; ++i)
        chosen[i] = i;
    int merged[kMostPoolNumbers];
    for (;;) {
        int a = 0, b = 0;
        for (int i = 0; i < size_; ++i)
            merged[i] = (b >= more || (a < count && part[a] < outside[static_cast<std::size_t>(chosen[b])]))
                            ? part[a++]
                            : outside[static_cast<std::size_t>(chosen[b++])];
        f(rank(merged, size_));
        int i = more - 1;
        while (i >= 0 && chosen[i] == n - more + i)
            --i;
        if (i < 0)
            return;
        ++chosen[i];
        for (int j = i + 1; j < more; ++j)
            chosen[j] = chosen[j - 1] + 1;
    }
}
