// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Rounding.h"

#include <cstdint>

// The process-wide uniform source behind every draw. Reseed folds all 64 bits
// of the seed into the state, so seeds differing only in their fraction give
// different streams. Tests replace it with fixed sequences.
class RandomSource {
public:
    RandomSource();
    virtual ~RandomSource() = default;

    virtual void reseed(double seed);
    // The next value r, 0 <= r < 1, in single precision.
    virtual float next();

    static RandomSource& process();

private:
    std::uint64_t state_[4];
};

// Int(r * n) + 1, the whole number from 1 to n that the value r draws.
inline std::int32_t numberDrawnBy(float r, double n)
{
    return static_cast<std::int32_t>(Int(static_cast<double>(r) * n)) + 1;
}

// The draw of every ball, horse and team: a whole number from 1 to n (n <= 2^24).
inline std::int32_t drawNumber(RandomSource& random, double n)
{
    return numberDrawnBy(random.next(), n);
}
