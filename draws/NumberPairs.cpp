// SPDX-License-Identifier: GPL-3.0-or-later
// Counting number lines against a history's draws. With K numbers a line
// and D a draw, a pair of them shares some m of the first drum and b of the
// second; the tiers need, over all pairs, how many share exactly (m, b).
// Every subset U of a line found in c(U) draws adds c(U) to N(|U|), and
// N(j) = sum over pairs of C(m, j): inclusion and exclusion turns the N into
// the exact counts. A line's best tier is its largest subset found.
#include "HistoryCount.h"

#include "LongWork.h"
#include "NumberSets.h"
#include "SubsetIndex.h"

#include <algorithm>
#include <climits>

namespace {

class NumberCounter {
public:
    NumberCounter(const std::vector<ReportLine>& plays, const HistoryDraws& draws, const LineLayout& layout,
                  const TierScale& scale, WorkMonitor& monitor)
        : scale_(scale), monitor_(monitor), sets_(plays, draws, layout)
    {
        count_.pairs = TierCounts(scale.size());
        count_.best.assign(plays.size(), -1);
        count_.bonusLines.assign(plays.size(), 0);
    }

    HistoryCount run(Counting counting)
    {
        const int most = std::max({sets_.k + sets_.kb, sets_.lines.most, sets_.draws.most, 1});
        bits_ = std::min(32, 64 / most);
        // A line's K + KB, not its distinct numbers: a typed line may name one twice.
        const bool indexable = sets_.k + sets_.kb <= kMostSubsetItems && sets_.lines.most <= kMostSubsetItems
                               && sets_.draws.most <= kMostSubsetItems
                               && static_cast<std::uint64_t>(sets_.first.size() + sets_.second.size()) + 1
                                      < (std::uint64_t{1} << bits_);
        if (counting == Counting::Automatic)
            counting = !indexable                                  ? Counting::PairByPair
                       : sets_.draws.subsets <= sets_.lines.subsets ? Counting::DrawIndex
                                                               : Counting::LineIndex;
        if (counting != Counting::PairByPair && !indexable)
            counting = Counting::PairByPair;
        if (counting == Counting::DrawIndex)
            byDrawIndex();
        else if (counting == Counting::LineIndex)
            byLineIndex();
        else
            countPairsByMasks(sets_, scale_, monitor_, count_);
        return std::move(count_);
    }

private:
    std::size_t place(int first, int second) const { return scale_.place(first, second); }

    // Calls act(key) for every choice of K-1 of a draw's first-drum indexes
    // (all of them when it holds K-1, each leaving one out when it holds K),
    // the bonus's index after them.
    template <typename Act>
    void eachBonusKey(SubsetIndex& index, const int* items, int count, int bonus, Act act)
    {
        int firsts = 0;
        while (firsts < count && items[firsts] < sets_.first.size())
            ++firsts;
        std::vector<int> choice;
        for (int left = firsts == sets_.k ? 0 : -1; left < firsts && firsts >= sets_.k - 1; ++left) {
            choice.assign(items, items + firsts);
            if (left >= 0)
                choice.erase(choice.begin() + left);
            act(index.extend(index.keyOf(choice.data(), sets_.k - 1), sets_.k - 1, bonus));
            if (left < 0)
                break;
        }
    }

    // A line's pairs with K-1 of its numbers and the bonus: each of its
    // numbers as the bonus, the others as the drawn ones.
    void countBonusPairs(SubsetIndex& bonuses, std::size_t line)
    {
        const int* items = sets_.lines.at(line);
        const int count = sets_.lines.count(line);
        if (count != sets_.k)
            return;
        std::vector<int> others(static_cast<std::size_t>(sets_.k - 1));
        for (int left = 0; left < count; ++left) {
            int n = 0;
            for (int i = 0; i < count; ++i)
                if (i != left)
                    others[static_cast<std::size_t>(n++)] = items[i];
            const std::uint64_t key = bonuses.extend(bonuses.keyOf(others.data(), sets_.k - 1), sets_.k - 1, items[left]);
            if (const SubsetIndex::Entry* entry = bonuses.find(key); entry && entry->count > 0) {
                count_.bonusPairs += entry->count;
                count_.bonusLines[line] = 1;
            }
        }
    }

    // The sums N over a line's subsets that the index holds, and the line's
    // best place; the subsets of its best size are marked found, for the
    // draws of the best tier of all.
    void readLine(SubsetIndex& index, std::size_t line, std::vector<long long>& totals)
    {
        int bestFirst = 0;
        int bestSecond = 0;
        best_.clear();
        index.visitHeld(sets_.lines.at(line), sets_.lines.count(line), sets_.first.size(), true,
                        [&](SubsetIndex::Entry& entry, int first, int second) {
                            totals[static_cast<std::size_t>(first * (sets_.kb + 1) + second)] += entry.count;
                            if (first > bestFirst || (first == bestFirst && second > bestSecond)) {
                                bestFirst = first;
                                bestSecond = second;
                                best_.clear();
                            }
                            if (first == bestFirst && second == bestSecond)
                                best_.push_back(&entry);
                        });
        for (SubsetIndex::Entry* entry : best_)
            entry->found = true;
        count_.best[line] = static_cast<long>(place(bestFirst, bestSecond));
    }

    void byDrawIndex()
    {
        SubsetIndex index(bits_, sets_.pool(), sets_.draws.distinctSubsets(sets_.pool()));
        for (std::size_t d = 0; d < sets_.draws.size(); ++d)
            index.addSubsets(sets_.draws.at(d), sets_.draws.count(d));
        SubsetIndex bonuses(bits_, 0, sets_.bonusApplies ? sets_.draws.size() * static_cast<std::size_t>(sets_.k) : 1);
        if (sets_.bonusApplies)
            for (std::size_t d = 0; d < sets_.draws.size(); ++d)
                if (sets_.bonus[d] >= 0)
                    eachBonusKey(bonuses, sets_.draws.at(d), sets_.draws.count(d), sets_.bonus[d],
                                 [&](std::uint64_t key) { ++bonuses.at(key).count; });
        count_.draws = sets_.draws.size();
        std::vector<long long> totals(static_cast<std::size_t>((sets_.k + 1) * (sets_.kb + 1)), 0);
        for (std::size_t line = 0; line < sets_.lines.size(); ++line) {
            if (stopCounting(line, sets_.lines.size(), "lines", monitor_, count_))
                break;
            readLine(index, line, totals);
            if (sets_.bonusApplies)
                countBonusPairs(bonuses, line);
            count_.lines = line + 1;
        }
        finish(totals);
        // The draws that hold a subset of the best tier's size that a line met.
        // Plain names: a lambda may not capture a structured binding in C++17.
        const std::pair<int, int> best = bestClass();
        const int bestFirst = best.first;
        const int bestSecond = best.second;
        for (std::size_t d = 0; d < sets_.draws.size() && !count_.best.empty(); ++d) {
            bool reached = bestFirst + bestSecond == 0;
            index.visitHeld(sets_.draws.at(d), sets_.draws.count(d), sets_.first.size(), true,
                            [&](const SubsetIndex::Entry& entry, int first, int second) {
                                reached = reached || (entry.found && first == bestFirst && second == bestSecond);
                            });
            if (reached)
                count_.bestDraws.push_back(d);
        }
    }

    void byLineIndex()
    {
        SubsetIndex index(bits_, sets_.pool(), sets_.lines.distinctSubsets(sets_.pool()));
        for (std::size_t line = 0; line < sets_.lines.size(); ++line)
            index.insertSubsets(sets_.lines.at(line), sets_.lines.count(line));
        SubsetIndex bonuses(bits_, 0, sets_.bonusApplies ? sets_.lines.size() * static_cast<std::size_t>(sets_.k) : 1);
        if (sets_.bonusApplies)
            for (std::size_t line = 0; line < sets_.lines.size(); ++line) {
                const int* items = sets_.lines.at(line);
                for (int left = 0; left < sets_.lines.count(line) && sets_.lines.count(line) == sets_.k; ++left) {
                    std::vector<int> others(items, items + sets_.k);
                    others.erase(others.begin() + left);
                    bonuses.at(bonuses.extend(bonuses.keyOf(others.data(), sets_.k - 1), sets_.k - 1, items[left]));
                }
            }
        std::vector<long> drawBest;
        for (std::size_t d = 0; d < sets_.draws.size(); ++d) {
            if (stopCounting(d, sets_.draws.size(), "draws", monitor_, count_))
                break;
            int bestFirst = 0;
            int bestSecond = 0;
            index.visitHeld(sets_.draws.at(d), sets_.draws.count(d), sets_.first.size(), false,
                            [&](SubsetIndex::Entry& entry, int first, int second) {
                                ++entry.count;
                                if (first > bestFirst || (first == bestFirst && second > bestSecond)) {
                                    bestFirst = first;
                                    bestSecond = second;
                                }
                            });
            drawBest.push_back(static_cast<long>(place(bestFirst, bestSecond)));
            if (sets_.bonusApplies && sets_.bonus[d] >= 0)
                eachBonusKey(bonuses, sets_.draws.at(d), sets_.draws.count(d), sets_.bonus[d], [&](std::uint64_t key) {
                    if (SubsetIndex::Entry* entry = bonuses.find(key))
                        ++entry->count;
                });
            count_.draws = d + 1;
        }
        std::vector<long long> totals(static_cast<std::size_t>((sets_.k + 1) * (sets_.kb + 1)), 0);
        for (std::size_t line = 0; line < sets_.lines.size() && count_.draws > 0; ++line) {
            readLine(index, line, totals);
            if (sets_.bonusApplies)
                countBonusPairs(bonuses, line);
        }
        count_.lines = count_.draws > 0 ? sets_.lines.size() : 0;
        finish(totals);
        const long best = bestPlace(count_);
        for (std::size_t d = 0; d < drawBest.size(); ++d)
            if (drawBest[d] == best)
                count_.bestDraws.push_back(d);
    }

    std::pair<int, int> bestClass() const
    {
        const long best = bestPlace(count_);
        if (best == LONG_MAX)
            return {-1, -1};
        const long columns = sets_.kb + 1;
        return {sets_.k - static_cast<int>(best / columns), sets_.kb - static_cast<int>(best % columns)};
    }

    // The exact count of each (m, b) from the sums N by inclusion and exclusion.
    void finish(std::vector<long long>& totals)
    {
        totals[0] = static_cast<long long>(count_.lines) * static_cast<long long>(count_.draws);
        long long choose[kMostSubsetItems + 1][kMostSubsetItems + 1] = {};
        for (int n = 0; n <= kMostSubsetItems; ++n) {
            choose[n][0] = 1;
            for (int r = 1; r <= n; ++r)
                choose[n][r] = choose[n - 1][r - 1] + (r <= n - 1 ? choose[n - 1][r] : 0);
        }
        for (int m = 0; m <= sets_.k; ++m)
            for (int b = 0; b <= sets_.kb; ++b) {
                long long exact = 0;
                for (int j = m; j <= sets_.k; ++j)
                    for (int l = b; l <= sets_.kb; ++l) {
                        const long long term = choose[j][m] * choose[l][b] * totals[static_cast<std::size_t>(j * (sets_.kb + 1) + l)];
                        exact += (j - m + l - b) % 2 == 0 ? term : -term;
                    }
                if (exact != 0)
                    count_.pairs.add(place(m, b), exact);
            }
    }

    const TierScale& scale_;
    WorkMonitor& monitor_;
    NumberSets sets_;
    int bits_ = 8;
    std::vector<SubsetIndex::Entry*> best_; // a line's subsets of its best size
    HistoryCount count_;
};

} // namespace

HistoryCount countNumberPairs(const std::vector<ReportLine>& plays, const HistoryDraws& draws,
                              const LineLayout& layout, const TierScale& scale, WorkMonitor& monitor,
                              Counting counting)
{
    return NumberCounter(plays, draws, layout, scale, monitor).run(counting);
}
