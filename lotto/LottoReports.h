// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ProgressionFilter.h"

#include <optional>
#include <string>

class RandomSource;

constexpr int kLinesPerReport = 1000;
constexpr int kEuroMainNumbers = 5;
constexpr int kEuroSecondNumbers = 2;

// What one filtered line draws from its first drum, and the positions its
// progression ban tests (for a PowerBall game, the PowerBall stands last).
struct DrumShape {
    int numbers;
    ProgressionFilter patterns;
};

// The reports of the filtered games, 1000 lines ended by CR LF. A drawn set
// that fails a filter is thrown away whole and drawn again. No report comes
// back when a line finds no set passing the filters within its budget of
// random values (a biggest number too small for the filters). The biggest
// numbers lie above 0 and at most at 16777216, as the clicks accept them.

// Lotto and Keno: sorted numbers from 1 to biggestNumber, four characters each.
std::optional<std::string> singleDrumReport(const DrumShape& shape, double biggestNumber,
                                            RandomSource& random);

// Sorted regular numbers, then a PowerBall from its own drum in five
// characters. The PowerBall counts in the average, the deviation and the
// progression ban, but is never sorted in nor compared with the others.
std::optional<std::string> powerBallReport(const DrumShape& regular, double biggestNumber,
                                           double biggestPowerBall, RandomSource& random);

// Euro Millions: five sorted main numbers whose sum lies from Int(N1) to
// Int(4 N1), with no four in progression; a blank; then two distinct sorted
// numbers of the second ballset, drawn only once the main numbers pass.
std::optional<std::string> euroReport(double biggestMain, double biggestSecond,
                                      RandomSource& random);
