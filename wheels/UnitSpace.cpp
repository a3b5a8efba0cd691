// SPDX-License-Identifier: GPL-3.0-or-later
#include "UnitSpace.h"

#include "Subsets.h"

#include <limits>

std::uint64_t unitCount(const WheelShape& shape) { return binomial(shape.pool, shape.drawn); }

UnitSpace::UnitSpace(const WheelShape& shape)
    : pool_(shape.pool), size_(shape.drawn), units_(static_cast<std::uint32_t>(unitCount(shape))),
      terms_(static_cast<std::size_t>(shape.pool * shape.drawn))
{
    // A term that does not fit is never used: every term of a rank is at most the rank.
    constexpr std::uint64_t most = std::numeric_limits<std::uint32_t>::max();
    for (int p = 0; p < pool_; ++p)
        for (int i = 0; i < size_; ++i) {
            const std::uint64_t term = binomial(p, i + 1);
            terms_[static_cast<std::size_t>(p * size_ + i)] = static_cast<std::uint32_t>(term < most ? term : most);
        }
}

std::uint32_t UnitSpace::rankWith(const int* sorted, int count, int extra) const
{
    std::uint32_t r = 0;
    int i = 0;
    for (; i < count && sorted[i] < extra; ++i)
        r += terms_[static_cast<std::size_t>(sorted[i] * size_ + i)];
    r += terms_[static_cast<std::size_t>(extra * size_ + i)];
    for (; i < count; ++i)
        r += terms_[static_cast<std::size_t>(sorted[i] * size_ + i + 1)];
    return r;
}

void UnitSpace::unrank(std::uint32_t rank, int* sorted) const
{
    int p = pool_ - 1;
    for (int i = size_ - 1; i >= 0; --i) {
        while (terms_[static_cast<std::size_t>(p * size_ + i)] > rank)
            --p;
        sorted[i] = p;
        rank -= terms_[static_cast<std::size_t>(p * size_ + i)];
        --p;
    }
}
