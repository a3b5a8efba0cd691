// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The searches' own fast generator (splitmix64), seeded once from the
// click's random source, so that a seed and a step budget fix every choice.
class SearchRandom {
public:
    explicit SearchRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }
    // A whole number from 0 to n - 1 (n > 0).
    std::uint32_t below(std::uint32_t n)
    {
        return static_cast<std::uint32_t>(((next() >> 32) * n) >> 32);
    }
    // A value from 0 to 1.
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

private:
    std::uint64_t state_;
};
