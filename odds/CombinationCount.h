// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The number of combinations of n numbers taken k at a time, as a double:
// the product of n - k + 1 up to n divided by k!, both plain running
// products, so every count whose partial products stay below 2^53 is exact.
// When k > n >= 0 the count is 0.
double CombinationCount(std::int16_t n, std::int16_t k);
