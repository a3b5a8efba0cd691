// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The windows a drawn line must fall in, derived once per report from the
// biggest number. Bounds pass.
struct FilterWindows {
    std::int32_t median;
    std::int32_t ffgValue;
    std::int32_t deviationLow;
    std::int32_t deviationHigh;
    std::int32_t averageLow;
    std::int32_t averageHigh;
};

// A single-drum game of numbers 1 to biggestNumber. The deviation window
// comes from the Fundamental Formula of Gambling at a degree of certainty of
// 25 percent, p = 1 / biggestNumber.
FilterWindows lottoWindows(double biggestNumber);
// A PowerBall game: the median is still the regular range's, but the
// deviation window is taken for the mean M of the two biggest numbers.
FilterWindows powerBallWindows(double biggestNumber, double biggestPowerBall);

// The rounded average of a line and its rounded deviation from the median
// of the range (not from the line's own average).
struct LineSpread {
    std::int32_t average;
    std::int32_t deviation;
};
LineSpread spreadOf(const std::int32_t* values, int count, std::int32_t median);

bool passesWindows(const std::int32_t* values, int count, const FilterWindows& windows);

// Ascending, by exchange: each position in turn takes the smallest of the rest.
void exchangeSort(std::int32_t* values, int count);
