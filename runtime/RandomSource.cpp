// SPDX-License-Identifier: GPL-3.0-or-later
#include "RandomSource.h"

#include <cstring>

namespace {

std::uint64_t splitMix(std::uint64_t& x)
{
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

} // namespace

RandomSource::RandomSource() { reseed(0.0); }

void RandomSource::reseed(double seed)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &seed, sizeof bits);
    for (auto& word : state_)
        word = splitMix(bits);
}

float RandomSource::next()
{
    // xoshiro256**
    const std::uint64_t result = rotl(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = rotl(state_[3], 45);
    // The top 24 bits fill a float's mantissa exactly, so 1 is never reached.
    return static_cast<float>(result >> 40) * (1.0f / 16777216.0f);
}

RandomSource& RandomSource::process()
{
    static RandomSource source;
    return source;
}
