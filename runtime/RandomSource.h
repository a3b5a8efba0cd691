#pragma once

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
