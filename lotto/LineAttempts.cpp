// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineAttempts.h"

#include "BoundedDraws.h"
#include "CombinationFilter.h"
#include "Rounding.h"

namespace {

constexpr ProgressionFilter kEuroPatterns = ProgressionFilter::everyChoice(kEuroMainNumbers, 4);

} // namespace

bool attemptLottoLine(const DrumShape& shape, double biggestNumber, const FilterWindows& windows,
                      BoundedDraws& draws, std::int32_t* line)
{
    if (!draws.distinctNumbers(biggestNumber, line, shape.numbers)
        || !passesWindows(line, shape.numbers, windows))
        return false;
    exchangeSort(line, shape.numbers);
    return !shape.patterns.holdsProgression(line);
}

bool attemptPowerBallLine(const DrumShape& shape, double biggestNumber, double biggestPowerBall,
                          const FilterWindows& windows, BoundedDraws& draws, std::int32_t* line)
{
    const int k = shape.numbers;
    if (!draws.distinctNumbers(biggestNumber, line, k))
        return false;
    line[k] = draws.number(biggestPowerBall);
    if (!passesWindows(line, k + 1, windows))
        return false;
    exchangeSort(line, k); // the PowerBall stays last
    return !shape.patterns.holdsProgression(line);
}

bool attemptEuroLine(double biggestMain, double biggestSecond, BoundedDraws& draws,
                     std::int32_t* line)
{
    if (!draws.distinctNumbers(biggestMain, line, kEuroMainNumbers))
        return false;
    double sum = 0;
    for (int i = 0; i < kEuroMainNumbers; ++i)
        sum += line[i];
    if (sum < Int(biggestMain) || sum > Int(4 * biggestMain))
        return false;
    exchangeSort(line, kEuroMainNumbers);
    if (kEuroPatterns.holdsProgression(line))
        return false;
    std::int32_t* second = line + kEuroMainNumbers;
    if (!draws.distinctNumbers(biggestSecond, second, kEuroSecondNumbers))
        return false;
    exchangeSort(second, kEuroSecondNumbers);
    return true;
}
