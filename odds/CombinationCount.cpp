// SPDX-License-Identifier: GPL-3.0-or-later
#include "CombinationCount.h"

#include <cmath>

namespace {

// The running quotient C(n - k + i, i) for i = 1 .. k never overflows before
// the count itself does. The extended precision keeps its steps exact far
// beyond 2^53.
double runningQuotient(int n, int k)
{
    long double count = 1;
    for (int i = 1; i <= k; ++i)
        count = count * (n - k + i) / i;
    return static_cast<double>(count);
}

} // namespace

double CombinationCount(std::int16_t n, std::int16_t k)
{
    double factorial = 1;
    for (int i = 1; i <= k; ++i)
        factorial *= i;
    double product = 1;
    for (int j = n - k + 1; j <= n; ++j)
        product *= j;
    // Past 170! the plain products run out of range although the count
    // (1 for 200 taken 200) may not; only then is it formed another way.
    if (!std::isfinite(product) || !std::isfinite(factorial))
        return runningQuotient(n, k);
    return product / factorial;
}
