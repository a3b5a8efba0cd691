// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// The binomial standard deviation of an event of probability
// p = favourable / cases in `trials` trials, the expected number of successes
// and the ranges of 1, 2 and 3 whole deviations around it. A deviation too
// large for 32 bits throws OverflowError.
std::string bsdReport(std::int16_t favourable, std::int16_t cases, double trials);
