// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Exact counts of any size, for the tier tables and the jackpot odds of
// checked lines. The big-integer type stays with the odds and the draws.
#include <gmpxx.h>

#include <string>

struct TierGame;

// C(n, k); 0 when k < 0 or k > n.
mpz_class exactCombinations(long n, long k);

// The digits of a count >= 0, grouped by three with ",".
std::string groupedText(const mpz_class& count);

// total / divisor (divisor > 0) with `decimals` decimals, a half rounded
// away from zero, the whole part grouped: "13,983,816.00", "13,984".
std::string quotientText(const mpz_class& total, const mpz_class& divisor, int decimals);

// Every combination of a game: the product of its drums' counts.
mpz_class totalCombinations(const TierGame& game);

// "L distinct lines hold the jackpot with probability 1 in X": X is the
// total of combinations over L (L > 0), rounded to a whole number, or to two
// decimals below 10 ("1 in 1.31"). The unit
// is what a play is called ("line", "ticket").
std::string jackpotLine(const mpz_class& total, long distinctLines, const std::string& unit);
