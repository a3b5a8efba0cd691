// Counting number lines against a history's draws. With K numbers a line
// and D a draw, a pair of them shares some m of the first drum and b of the
// second; the tiers need, over all pairs, how many share exactly (m, b).
// Every subset U of a line found in c(U) draws adds c(U) to N(|U|), and
// N(j) = sum over pairs of C(m, j): inclusion and exclusion turns the N into
// the exact counts. A line's best tier is its largest subset found.
#include "HistoryCount.h"

#include "LongWork.h"
#include "SubsetIndex.h"

#include <algorithm>
#include <climits>

namespace {

constexpr std::size_t kBetweenReports = 4096;
constexpr int kMostSubsetItems = 8;     // 255 subsets of a set
constexpr int kLargestDirect = 1 << 20; // numbers up to this find their index in a table

// The numbers of one drum's lines, renumbered from 0 in ascending order; a
// drawn number that no line holds has none: it cannot match.
class DrumPool {
public:
    DrumPool(const std::vector<ReportLine>& plays, std::vector<int> ReportLine::*group)
    {
        int largest = 0;
        for (const ReportLine& play : plays)
            for (int number : play.*group)
                largest = std::max(largest, number);
        if (largest <= kLargestDirect) {
            direct_.assign(static_cast<std::size_t>(largest) + 1, -1);
            for (const ReportLine& play : plays)
                for (int number : play.*group)
                    direct_[static_cast<std::size_t>(number)] = 0;
            for (std::size_t value = 0; value < direct_.size(); ++value)
                if (direct_[value] == 0) {
                    direct_[value] = static_cast<int>(values_.size());
                    values_.push_back(static_cast<int>(value));
                }
        } else {
            for (const ReportLine& play : plays)
                values_.insert(values_.end(), (play.*group).begin(), (play.*group).end());
            std::sort(values_.begin(), values_.end());
            values_.erase(std::unique(values_.begin(), values_.end()), values_.end());
        }
    }
    int size() const { return static_cast<int>(values_.size()); }
    int indexOf(int number) const
    {
        if (!direct_.empty())
            return number >= 0 && static_cast<std::size_t>(number) < direct_.size() ? direct_[static_cast<std::size_t>(number)] : -1;
        const auto at = std::lower_bound(values_.begin(), values_.end(), number);
        return at != values_.end() && *at == number ? static_cast<int>(at - values_.begin()) : -1;
    }

private:
    std::vector<int> values_;
    std::vector<int> direct_;
};

// Sets of indexes one after the other, each sorted: the lines' or the
// draws' numbers, the second drum's after the first's.
struct Sets {
    std::vector<int> items;
    std::vector<std::size_t> ends;
    int most = 0;
    std::size_t subsets = 0;
    std::vector<std::size_t> ofSize = std::vector<std::size_t>(kMostSubsetItems + 1, 0); // sets of each size up to 8

    std::size_t size() const { return ends.size(); }
    const int* at(std::size_t i) const { return items.data() + (i == 0 ? 0 : ends[i - 1]); }
    int count(std::size_t i) const { return static_cast<int>(ends[i] - (i == 0 ? 0 : ends[i - 1])); }
    void add(std::vector<int>& set)
    {
        std::sort(set.begin(), set.end());
        set.erase(std::unique(set.begin(), set.end()), set.end());
        items.insert(items.end(), set.begin(), set.end());
        ends.push_back(items.size());
        const int n = static_cast<int>(set.size());
        most = std::max(most, n);
        subsets += n < 40 ? (std::size_t{1} << n) - 1 : std::size_t{1} << 40;
        if (n <= kMostSubsetItems)
            ++ofSize[static_cast<std::size_t>(n)];
    }
    // At most how many different subsets the sets hold, from a pool of that
    // many indexes: of each size, no more than the pool has, nor than the
    // sets give.
    std::size_t distinctSubsets(int pool) const
    {
        double bound = 0;
        for (int j = 1; j <= kMostSubsetItems; ++j) {
            double fromSets = 0;
            for (int n = j; n <= kMostSubsetItems; ++n)
                fromSets += static_cast<double>(ofSize[static_cast<std::size_t>(n)]) * choose(n, j);
            bound += std::min(fromSets, choose(pool, j));
        }
        return static_cast<std::size_t>(bound);
    }
    static double choose(int n, int k)
    {
        double result = 1;
        for (int i = 1; i <= k; ++i)
            result = result * (n - k + i) / i;
        return result;
    }
};

class NumberCounter {
public:
    NumberCounter(const std::vector<ReportLine>& plays, const HistoryDraws& draws, const LineLayout& layout,
                  const TierScale& scale, WorkMonitor& monitor)
        : scale_(scale), monitor_(monitor), first_(plays, &ReportLine::first),
          second_(plays, &ReportLine::second), k_(layout.firstCount), kb_(layout.secondCount)
    {
        std::vector<int> set;
        lines_.items.reserve(plays.size() * static_cast<std::size_t>(k_ + kb_));
        lines_.ends.reserve(plays.size());
        draws_sets_.items.reserve(draws.size() * static_cast<std::size_t>(draws.firstCount + draws.secondCount));
        draws_sets_.ends.reserve(draws.size());
        for (const ReportLine& play : plays) {
            set.clear();
            for (int number : play.first)
                set.push_back(first_.indexOf(number));
            for (int number : play.second)
                set.push_back(first_.size() + second_.indexOf(number));
            lines_.add(set);
        }
        for (std::size_t d = 0; d < draws.size(); ++d) {
            const int* drawn = draws.draw(d);
            set.clear();
            for (int i = 0; i < draws.firstCount; ++i)
                if (const int index = first_.indexOf(drawn[i]); index >= 0)
                    set.push_back(index);
            for (int i = draws.firstCount; i < draws.firstCount + draws.secondCount; ++i)
                if (const int index = second_.indexOf(drawn[i]); index >= 0)
                    set.push_back(first_.size() + index);
            draws_sets_.add(set);
            bonus_.push_back(draws.bonus ? first_.indexOf(drawn[draws.firstCount + draws.secondCount]) : -1);
        }
        // The bonus tier: K-1 of a single drum's K and the bonus.
        bonusApplies_ = draws.bonus && kb_ == 0 && k_ >= 2 && draws.firstCount == k_;
        count_.pairs = TierCounts(scale.size());
        count_.best.assign(plays.size(), -1);
        count_.bonusLines.assign(plays.size(), 0);
    }

    HistoryCount run(Counting counting)
    {
        const int most = std::max({k_ + kb_, lines_.most, draws_sets_.most, 1});
        bits_ = std::min(32, 64 / most);
        // A line's K + KB, not its distinct numbers: a typed line may name one twice.
        const bool indexable = k_ + kb_ <= kMostSubsetItems && lines_.most <= kMostSubsetItems
                               && draws_sets_.most <= kMostSubsetItems
                               && static_cast<std::uint64_t>(first_.size() + second_.size()) + 1
                                      < (std::uint64_t{1} << bits_);
        if (counting == Counting::Automatic)
            counting = !indexable                                  ? Counting::PairByPair
                       : draws_sets_.subsets <= lines_.subsets ? Counting::DrawIndex
                                                               : Counting::LineIndex;
        if (counting != Counting::PairByPair && !indexable)
            counting = Counting::PairByPair;
        if (counting == Counting::DrawIndex)
            byDrawIndex();
        else if (counting == Counting::LineIndex)
            byLineIndex();
        else
            pairByPair();
        return std::move(count_);
    }

private:
    std::size_t place(int first, int second) const { return scale_.place(first, second); }
    int pool() const { return first_.size() + second_.size(); }

    bool stopAt(std::size_t done, std::size_t total, const char* what)
    {
        if (done % kBetweenReports != 0)
            return false;
        if (monitor_.stopRequested()) {
            count_.stopped = true;
            return true;
        }
        monitor_.report(0.5 + 0.5 * static_cast<double>(done) / static_cast<double>(std::max<std::size_t>(total, 1)),
                        "Counting: " + std::to_string(done) + " of " + std::to_string(total) + " " + what);
        return false;
    }

    // Calls act(key) for every choice of K-1 of a draw's first-drum indexes
    // (all of them when it holds K-1, each leaving one out when it holds K),
    // the bonus's index after them.
    template <typename Act>
    void eachBonusKey(SubsetIndex& index, const int* items, int count, int bonus, Act act)
    {
        int firsts = 0;
        while (firsts < count && items[firsts] < first_.size())
            ++firsts;
        std::vector<int> choice;
        for (int left = firsts == k_ ? 0 : -1; left < firsts && firsts >= k_ - 1; ++left) {
            choice.assign(items, items + firsts);
            if (left >= 0)
                choice.erase(choice.begin() + left);
            act(index.extend(index.keyOf(choice.data(), k_ - 1), k_ - 1, bonus));
            if (left < 0)
                break;
        }
    }

    // A line's pairs with K-1 of its numbers and the bonus: each of its
    // numbers as the bonus, the others as the drawn ones.
    void countBonusPairs(SubsetIndex& bonuses, std::size_t line)
    {
        const int* items = lines_.at(line);
        const int count = lines_.count(line);
        if (count != k_)
            return;
        std::vector<int> others(static_cast<std::size_t>(k_ - 1));
        for (int left = 0; left < count; ++left) {
            int n = 0;
            for (int i = 0; i < count; ++i)
                if (i != left)
                    others[static_cast<std::size_t>(n++)] = items[i];
            const std::uint64_t key = bonuses.extend(bonuses.keyOf(others.data(), k_ - 1), k_ - 1, items[left]);
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
        index.visitHeld(lines_.at(line), lines_.count(line), first_.size(), true,
                        [&](SubsetIndex::Entry& entry, int first, int second) {
                            totals[static_cast<std::size_t>(first * (kb_ + 1) + second)] += entry.count;
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
        SubsetIndex index(bits_, pool(), draws_sets_.distinctSubsets(pool()));
        for (std::size_t d = 0; d < draws_sets_.size(); ++d)
            index.addSubsets(draws_sets_.at(d), draws_sets_.count(d));
        SubsetIndex bonuses(bits_, 0, bonusApplies_ ? draws_sets_.size() * static_cast<std::size_t>(k_) : 1);
        if (bonusApplies_)
            for (std::size_t d = 0; d < draws_sets_.size(); ++d)
                if (bonus_[d] >= 0)
                    eachBonusKey(bonuses, draws_sets_.at(d), draws_sets_.count(d), bonus_[d],
                                 [&](std::uint64_t key) { ++bonuses.at(key).count; });
        count_.draws = draws_sets_.size();
        std::vector<long long> totals(static_cast<std::size_t>((k_ + 1) * (kb_ + 1)), 0);
        for (std::size_t line = 0; line < lines_.size(); ++line) {
            if (stopAt(line, lines_.size(), "lines"))
                break;
            readLine(index, line, totals);
            if (bonusApplies_)
                countBonusPairs(bonuses, line);
            count_.lines = line + 1;
        }
        finish(totals);
        // The draws that hold a subset of the best tier's size that a line met.
        // Plain names: a lambda may not capture a structured binding in C++17.
        const std::pair<int, int> best = bestClass();
        const int bestFirst = best.first;
        const int bestSecond = best.second;
        for (std::size_t d = 0; d < draws_sets_.size() && !count_.best.empty(); ++d) {
            bool reached = bestFirst + bestSecond == 0;
            index.visitHeld(draws_sets_.at(d), draws_sets_.count(d), first_.size(), true,
                            [&](const SubsetIndex::Entry& entry, int first, int second) {
                                reached = reached || (entry.found && first == bestFirst && second == bestSecond);
                            });
            if (reached)
                count_.bestDraws.push_back(d);
        }
    }

    void byLineIndex()
    {
        SubsetIndex index(bits_, pool(), lines_.distinctSubsets(pool()));
        for (std::size_t line = 0; line < lines_.size(); ++line)
            index.insertSubsets(lines_.at(line), lines_.count(line));
        SubsetIndex bonuses(bits_, 0, bonusApplies_ ? lines_.size() * static_cast<std::size_t>(k_) : 1);
        if (bonusApplies_)
            for (std::size_t line = 0; line < lines_.size(); ++line) {
                const int* items = lines_.at(line);
                for (int left = 0; left < lines_.count(line) && lines_.count(line) == k_; ++left) {
                    std::vector<int> others(items, items + k_);
                    others.erase(others.begin() + left);
                    bonuses.at(bonuses.extend(bonuses.keyOf(others.data(), k_ - 1), k_ - 1, items[left]));
                }
            }
        std::vector<long> drawBest;
        for (std::size_t d = 0; d < draws_sets_.size(); ++d) {
            if (stopAt(d, draws_sets_.size(), "draws"))
                break;
            int bestFirst = 0;
            int bestSecond = 0;
            index.visitHeld(draws_sets_.at(d), draws_sets_.count(d), first_.size(), false,
                            [&](SubsetIndex::Entry& entry, int first, int second) {
                                ++entry.count;
                                if (first > bestFirst || (first == bestFirst && second > bestSecond)) {
                                    bestFirst = first;
                                    bestSecond = second;
                                }
                            });
            drawBest.push_back(static_cast<long>(place(bestFirst, bestSecond)));
            if (bonusApplies_ && bonus_[d] >= 0)
                eachBonusKey(bonuses, draws_sets_.at(d), draws_sets_.count(d), bonus_[d], [&](std::uint64_t key) {
                    if (SubsetIndex::Entry* entry = bonuses.find(key))
                        ++entry->count;
                });
            count_.draws = d + 1;
        }
        std::vector<long long> totals(static_cast<std::size_t>((k_ + 1) * (kb_ + 1)), 0);
        for (std::size_t line = 0; line < lines_.size() && count_.draws > 0; ++line) {
            readLine(index, line, totals);
            if (bonusApplies_)
                countBonusPairs(bonuses, line);
        }
        count_.lines = count_.draws > 0 ? lines_.size() : 0;
        finish(totals);
        const long best = bestPlace();
        for (std::size_t d = 0; d < drawBest.size(); ++d)
            if (drawBest[d] == best)
                count_.bestDraws.push_back(d);
    }

    // Every pair on its own, its numbers' bit masks side by side: for sets
    // too big for their subsets, and the reference the indexes are tested
    // against. Blocks of lines and draws keep both in the cache.
    void pairByPair()
    {
        const std::size_t firstWords = static_cast<std::size_t>(first_.size() + 63) / 64;
        const std::size_t words = firstWords + static_cast<std::size_t>(second_.size() + 63) / 64;
        const auto masks = [&](const Sets& sets) {
            std::vector<std::uint64_t> bits(sets.size() * words, 0);
            for (std::size_t s = 0; s < sets.size(); ++s)
                for (int i = 0; i < sets.count(s); ++i) {
                    int item = sets.at(s)[i];
                    // The second drum starts at a word of its own.
                    const std::size_t word = item < first_.size() ? static_cast<std::size_t>(item) / 64
                                                                  : firstWords + static_cast<std::size_t>(item - first_.size()) / 64;
                    item = item < first_.size() ? item : item - first_.size();
                    bits[s * words + word] |= std::uint64_t{1} << (item % 64);
                }
            return bits;
        };
        const std::vector<std::uint64_t> lineBits = masks(lines_);
        const std::vector<std::uint64_t> drawBits = masks(draws_sets_);
        std::vector<long> drawBest(draws_sets_.size(), LONG_MAX);
        constexpr std::size_t kLineBlock = 256;
        constexpr std::size_t kDrawBlock = 4096;
        for (std::size_t lineStart = 0; lineStart < lines_.size(); lineStart += kLineBlock) {
            if (stopAt(lineStart, lines_.size(), "lines"))
                break;
            const std::size_t lineEnd = std::min(lineStart + kLineBlock, lines_.size());
            for (std::size_t drawStart = 0; drawStart < draws_sets_.size(); drawStart += kDrawBlock) {
                const std::size_t drawEnd = std::min(drawStart + kDrawBlock, draws_sets_.size());
                for (std::size_t line = lineStart; line < lineEnd; ++line)
                    countLine(line, drawStart, drawEnd, lineBits.data() + line * words, drawBits, words, firstWords,
                              drawBest);
            }
            count_.lines = lineEnd;
        }
        count_.draws = count_.lines > 0 ? draws_sets_.size() : 0;
        const long best = bestPlace();
        for (std::size_t d = 0; d < drawBest.size() && count_.lines > 0; ++d)
            if (drawBest[d] == best)
                count_.bestDraws.push_back(d);
    }

    void countLine(std::size_t line, std::size_t drawStart, std::size_t drawEnd, const std::uint64_t* mask,
                   const std::vector<std::uint64_t>& drawBits, std::size_t words, std::size_t firstWords,
                   std::vector<long>& drawBest)
    {
        long lineBest = count_.best[line] < 0 ? LONG_MAX : count_.best[line];
        for (std::size_t d = drawStart; d < drawEnd; ++d) {
            const std::uint64_t* drawn = drawBits.data() + d * words;
            int first = 0;
            int second = 0;
            for (std::size_t w = 0; w < firstWords; ++w)
                first += __builtin_popcountll(mask[w] & drawn[w]);
            for (std::size_t w = firstWords; w < words; ++w)
                second += __builtin_popcountll(mask[w] & drawn[w]);
            const auto at = static_cast<long>(place(first, second));
            count_.pairs.add(static_cast<std::size_t>(at));
            lineBest = std::min(lineBest, at);
            drawBest[d] = std::min(drawBest[d], at);
            if (bonusApplies_ && first == k_ - 1 && bonus_[d] >= 0
                && (mask[static_cast<std::size_t>(bonus_[d]) / 64] >> (bonus_[d] % 64)) & 1) {
                ++count_.bonusPairs;
                count_.bonusLines[line] = 1;
            }
        }
        count_.best[line] = lineBest;
    }

    long bestPlace() const
    {
        long best = LONG_MAX;
        for (long place : count_.best)
            if (place >= 0)
                best = std::min(best, place);
        return best;
    }

    std::pair<int, int> bestClass() const
    {
        const long best = bestPlace();
        if (best == LONG_MAX)
            return {-1, -1};
        const long columns = kb_ + 1;
        return {k_ - static_cast<int>(best / columns), kb_ - static_cast<int>(best % columns)};
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
        for (int m = 0; m <= k_; ++m)
            for (int b = 0; b <= kb_; ++b) {
                long long exact = 0;
                for (int j = m; j <= k_; ++j)
                    for (int l = b; l <= kb_; ++l) {
                        const long long term = choose[j][m] * choose[l][b] * totals[static_cast<std::size_t>(j * (kb_ + 1) + l)];
                        exact += (j - m + l - b) % 2 == 0 ? term : -term;
                    }
                if (exact != 0)
                    count_.pairs.add(place(m, b), exact);
            }
    }

    const TierScale& scale_;
    WorkMonitor& monitor_;
    DrumPool first_;
    DrumPool second_;
    int k_;
    int kb_;
    Sets lines_;
    Sets draws_sets_;
    std::vector<int> bonus_; // per draw: the bonus's index, -1 for none
    bool bonusApplies_ = false;
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
