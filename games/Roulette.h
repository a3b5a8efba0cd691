// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClickContext.h"

#include <cstdint>
#include <string>

class PrintWriter;
class RandomSource;

// The double-zero wheel: pockets 0 to 36, and 37 standing for 00.
constexpr int kDoubleZero = 37;
constexpr int kPockets = 38;

// How often each even-money bet and each two-dozen (Bond) bet won.
struct RouletteTally {
    int red = 0;
    int black = 0;
    int low = 0;
    int high = 0;
    int even = 0;
    int odd = 0;
    int bond12 = 0; // D1&2: 1 to 24
    int bond13 = 0; // D1&3: 1 to 12 and 25 to 36
    int bond23 = 0; // D2&3: 13 to 36
};

// One spin's line, 53 columns: the pocket, its colour, low/high, parity,
// dozen, column and the three Bond results. Counts the wins into `tally`.
void writeSpin(PrintWriter& out, int pocket, RouletteTally& tally);

// The nine summary lines: the tallies, the Bond wins against the 631
// expected, and the seed and time of day (seconds, rounded) of the run.
void writeRouletteSummary(PrintWriter& out, const RouletteTally& tally, double seed,
                          std::int32_t secondsSinceMidnight);

// 1000 spins and the summary.
std::string rouletteReport(RandomSource& random, double seed, float timeOfDay);

void Roulette_Click(ClickContext& click);
