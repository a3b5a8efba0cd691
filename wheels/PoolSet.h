// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The most numbers a pool may hold: its sets fit two 64-bit words.
constexpr int kMostPoolNumbers = 99;

// A set of positions in a pool (0 to 98), as two 64-bit words: a ticket, a
// drawn set, the numbers a search may still add.
struct PoolSet {
    std::uint64_t low = 0;
    std::uint64_t high = 0;

    static PoolSet firstPositions(int count)
    {
        PoolSet set;
        for (int p = 0; p < count; ++p)
            set.insert(p);
        return set;
    }

    bool contains(int p) const { return (p < 64 ? low >> p : high >> (p - 64)) & 1u; }
    void insert(int p) { (p < 64 ? low : high) |= std::uint64_t{1} << (p & 63); }
    void erase(int p) { (p < 64 ? low : high) &= ~(std::uint64_t{1} << (p & 63)); }
    int count() const { return __builtin_popcountll(low) + __builtin_popcountll(high); }
    bool empty() const { return (low | high) == 0; }
    // The positions above p.
    PoolSet above(int p) const
    {
        PoolSet set = *this;
        if (p >= 63) {
            set.low = 0;
            set.high &= p >= 127 ? 0 : ~std::uint64_t{0} << (p - 63);
        } else {
            set.low &= ~std::uint64_t{0} << (p + 1);
        }
        return set;
    }

    PoolSet operator&(const PoolSet& o) const { return {low & o.low, high & o.high}; }
    PoolSet operator|(const PoolSet& o) const { return {low | o.low, high | o.high}; }
    PoolSet& operator&=(const PoolSet& o)
    {
        low &= o.low;
        high &= o.high;
        return *this;
    }
    bool operator==(const PoolSet& o) const { return low == o.low && high == o.high; }
    bool operator<(const PoolSet& o) const { return high != o.high ? high < o.high : low < o.low; }

    template <typename F>
    void forEach(F f) const
    {
        for (std::uint64_t w = low; w; w &= w - 1)
            f(__builtin_ctzll(w));
        for (std::uint64_t w = high; w; w &= w - 1)
            f(64 + __builtin_ctzll(w));
    }
};
