// SPDX-License-Identifier: GPL-3.0-or-later
#include "LottoReports.h"

#include "BoundedDraws.h"
#include "CombinationFilter.h"
#include "LineAttempts.h"
#include "NumberField.h"

#include <array>
#include <cstdint>

namespace {

using Line = std::array<std::int32_t, 10>;

// 1000 lines, each attempted until one passes; none when a line's budget of
// draws runs out first.
template <typename Attempt, typename Write>
std::optional<std::string> filteredReport(std::size_t lineLength, RandomSource& random,
                                          Attempt attempt, Write write)
{
    BoundedDraws draws(random);
    Line line{};
    std::string out;
    out.reserve(kLinesPerReport * (lineLength + 2));
    for (int n = 0; n < kLinesPerReport; ++n) {
        draws.startLine();
        while (!attempt(draws, line.data()))
            if (draws.exhausted())
                return std::nullopt;
        write(out, line.data());
        out += "\r\n";
    }
    return out;
}

void appendFields(std::string& out, const std::int32_t* numbers, int count, int width)
{
    for (int i = 0; i < count; ++i)
        appendNumberField(out, numbers[i], width);
}

} // namespace

std::optional<std::string> singleDrumReport(const DrumShape& shape, double biggestNumber,
                                            RandomSource& random)
{
    const FilterWindows windows = lottoWindows(biggestNumber);
    const int k = shape.numbers;
    return filteredReport(
        4 * static_cast<std::size_t>(k), random,
        [&](BoundedDraws& draws, std::int32_t* line) {
            return attemptLottoLine(shape, biggestNumber, windows, draws, line);
        },
        [k](std::string& out, const std::int32_t* line) { appendFields(out, line, k, 4); });
}

std::optional<std::string> powerBallReport(const DrumShape& regular, double biggestNumber,
                                           double biggestPowerBall, RandomSource& random)
{
    const FilterWindows windows = powerBallWindows(biggestNumber, biggestPowerBall);
    const int k = regular.numbers;
    return filteredReport(
        4 * static_cast<std::size_t>(k) + 5, random,
        [&](BoundedDraws& draws, std::int32_t* line) {
            return attemptPowerBallLine(regular, biggestNumber, biggestPowerBall, windows, draws,
                                        line);
        },
        [k](std::string& out, const std::int32_t* line) {
            appendFields(out, line, k, 4);
            appendNumberField(out, line[k], 5);
        });
}

std::optional<std::string> euroReport(double biggestMain, double biggestSecond,
                                      RandomSource& random)
{
    return filteredReport(
        4 * (kEuroMainNumbers + kEuroSecondNumbers) + 1, random,
        [&](BoundedDraws& draws, std::int32_t* line) {
            return attemptEuroLine(biggestMain, biggestSecond, draws, line);
        },
        [](std::string& out, const std::int32_t* line) {
            appendFields(out, line, kEuroMainNumbers, 4);
            out += ' ';
            appendFields(out, line + kEuroMainNumbers, kEuroSecondNumbers, 4);
        });
}
