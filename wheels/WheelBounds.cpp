// SPDX-License-Identifier: GPL-3.0-or-later
#include "WheelBounds.h"

#include "Subsets.h"

#include <limits>

namespace {

constexpr std::uint64_t kMost = std::numeric_limits<std::uint64_t>::max();

std::uint64_t ceilingOfProduct(std::uint64_t a, std::uint64_t b, std::uint64_t divisor)
{
    const unsigned __int128 product = static_cast<unsigned __int128>(a) * b;
    const unsigned __int128 quotient = (product + divisor - 1) / divisor;
    return quotient > kMost ? kMost : static_cast<std::uint64_t>(quotient);
}

// The pairs of n numbers in different parts of r parts as equal as can be.
std::uint64_t turanPairs(int n, int r)
{
    std::uint64_t inside = 0;
    for (int part = 0; part < r; ++part) {
        const int size = n / r + (part < n % r ? 1 : 0);
        inside += binomial(size, 2);
    }
    return binomial(n, 2) - inside;
}

} // namespace

std::uint64_t schonheimBound(int v, int k, int t)
{
    std::uint64_t bound = 1;
    for (int i = t - 1; i >= 0; --i)
        bound = ceilingOfProduct(bound, static_cast<std::uint64_t>(v - i), static_cast<std::uint64_t>(k - i));
    return bound;
}

std::uint64_t wheelLowerBound(const WheelShape& shape)
{
    if (shape.drawn == shape.guarantee)
        return schonheimBound(shape.pool, shape.ticket, shape.guarantee);
    if (shape.guarantee == 2) {
        const std::uint64_t needed = binomial(shape.pool, 2) - turanPairs(shape.pool, shape.drawn - 1);
        const std::uint64_t perTicket = binomial(shape.ticket, 2);
        return needed == 0 ? 1 : (needed + perTicket - 1) / perTicket;
    }
    return 1;
}
