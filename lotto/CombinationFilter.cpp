// SPDX-License-Identifier: GPL-3.0-or-later
#include "CombinationFilter.h"

#include "Rounding.h"

#include <cmath>
#include <utility>

namespace {

// R() of the filters. An overflow leaves the value 0, as the failing
// assignment left its variable; the biggest numbers refused before a report
// is drawn keep every value in range.
std::int32_t rounded(double x) { return R(x).value_or(0); }

FilterWindows windowsAround(std::int32_t median, double ffgProbability)
{
    const std::int32_t ffg = rounded(std::log(0.75) / std::log(1.0 - ffgProbability));
    return {median,
            ffg,
            rounded(ffg - ffg / 2.0),
            rounded(ffg + ffg / 2.0),
            rounded(median - median / 2.0),
            rounded(median + median / 2.0)};
}

} // namespace

FilterWindows lottoWindows(double biggestNumber)
{
    return windowsAround(rounded((biggestNumber + 1) / 2), 1.0 / biggestNumber);
}

FilterWindows powerBallWindows(double biggestNumber, double biggestPowerBall)
{
    const std::int32_t mean = rounded((biggestNumber + biggestPowerBall) / 2);
    return windowsAround(rounded((1 + biggestNumber) / 2), 1.0 / mean);
}

LineSpread spreadOf(const std::int32_t* values, int count, std::int32_t median)
{
    double sum = 0;
    double squares = 0;
    for (int i = 0; i < count; ++i) {
        sum += values[i];
        const double fromMedian = static_cast<double>(values[i]) - median;
        squares += fromMedian * fromMedian;
    }
    return {rounded(sum / count), rounded(std::sqrt(squares / count))};
}

bool passesWindows(const std::int32_t* values, int count, const FilterWindows& windows)
{
    const LineSpread spread = spreadOf(values, count, windows.median);
    return spread.deviation >= windows.deviationLow && spread.deviation <= windows.deviationHigh
        && spread.average >= windows.averageLow && spread.average <= windows.averageHigh;
}

void exchangeSort(std::int32_t* values, int count)
{
    for (int j = 0; j + 1 < count; ++j)
        for (int k = j + 1; k < count; ++k)
            if (values[j] > values[k])
                std::swap(values[j], values[k]);
}
