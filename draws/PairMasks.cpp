// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberSets.h"

#include "LongWork.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

constexpr std::size_t kLineBlock = 256;
constexpr std::size_t kDrawBlock = 4096; // blocks of lines and draws keep both in the cache

// The bit masks of each set's indexes, the second drum's from a word of its own.
std::vector<std::uint64_t> masksOf(const Sets& sets, int split, std::size_t firstWords, std::size_t words)
{
    std::vector<std::uint64_t> bits(sets.size() * words, 0);
    for (std::size_t s = 0; s < sets.size(); ++s)
        for (int i = 0; i < sets.count(s); ++i) {
            const int item = sets.at(s)[i];
            const bool second = item >= split;
            const auto bit = static_cast<std::size_t>(second ? item - split : item);
            bits[s * words + (second ? firstWords : 0) + bit / 64] |= std::uint64_t{1} << (bit % 64);
        }
    return bits;
}

} // namespace

void countPairsByMasks(const NumberSets& sets, const TierScale& scale, WorkMonitor& monitor, HistoryCount& count)
{
    const std::size_t firstWords = static_cast<std::size_t>(sets.first.size() + 63) / 64;
    const std::size_t words = firstWords + static_cast<std::size_t>(sets.second.size() + 63) / 64;
    const std::vector<std::uint64_t> lineBits = masksOf(sets.lines, sets.first.size(), firstWords, words);
    const std::vector<std::uint64_t> drawBits = masksOf(sets.draws, sets.first.size(), firstWords, words);
    std::vector<long> drawBest(sets.draws.size(), LONG_MAX);
    for (std::size_t lineStart = 0; lineStart < sets.lines.size(); lineStart += kLineBlock) {
        if (stopCounting(lineStart, sets.lines.size(), "lines", monitor, count))
            break;
        const std::size_t lineEnd = std::min(lineStart + kLineBlock, sets.lines.size());
        for (std::size_t drawStart = 0; drawStart < sets.draws.size(); drawStart += kDrawBlock)
            for (std::size_t line = lineStart; line < lineEnd; ++line) {
                const std::uint64_t* mask = lineBits.data() + line * words;
                long lineBest = count.best[line] < 0 ? LONG_MAX : count.best[line];
                for (std::size_t d = drawStart; d < std::min(drawStart + kDrawBlock, sets.draws.size()); ++d) {
                    const std::uint64_t* drawn = drawBits.data() + d * words;
                    int first = 0;
                    int second = 0;
                    for (std::size_t w = 0; w < firstWords; ++w)
                        first += __builtin_popcountll(mask[w] & drawn[w]);
                    for (std::size_t w = firstWords; w < words; ++w)
                        second += __builtin_popcountll(mask[w] & drawn[w]);
                    const auto place = static_cast<long>(scale.place(first, second));
                    count.pairs.add(static_cast<std::size_t>(place));
                    lineBest = std::min(lineBest, place);
                    drawBest[d] = std::min(drawBest[d], place);
                    const int bonus = sets.bonus[d];
                    if (sets.bonusApplies && first == sets.k - 1 && bonus >= 0
                        && (mask[static_cast<std::size_t>(bonus) / 64] >> (bonus % 64)) & 1) {
                        ++count.bonusPairs;
                        count.bonusLines[line] = 1;
                    }
                }
                count.best[line] = lineBest;
            }
        count.lines = lineEnd;
    }
    count.draws = count.lines > 0 ? sets.draws.size() : 0;
    const long best = bestPlace(count);
    for (std::size_t d = 0; d < drawBest.size() && count.lines > 0; ++d)
        if (drawBest[d] == best)
            count.bestDraws.push_back(d);
}
