// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LottoReports.h"

#include <cstdint>

class BoundedDraws;
struct FilterWindows;

// One attempt at a line of each game shape: the draws in their fixed order,
// then the filters. True when the line passes, sorted; false when it is to
// be thrown away (or the draws ran out of budget). `line` has room for ten.

// Lotto and Keno: shape.numbers distinct numbers from 1 to biggestNumber.
bool attemptLottoLine(const DrumShape& shape, double biggestNumber, const FilterWindows& windows,
                      BoundedDraws& draws, std::int32_t* line);

// The regular numbers, then the PowerBall at line[shape.numbers].
bool attemptPowerBallLine(const DrumShape& shape, double biggestNumber, double biggestPowerBall,
                          const FilterWindows& windows, BoundedDraws& draws, std::int32_t* line);

// Five main numbers, then, once they pass, the two of the second ballset at
// line[5] and line[6].
bool attemptEuroLine(double biggestMain, double biggestSecond, BoundedDraws& draws,
                     std::int32_t* line);
