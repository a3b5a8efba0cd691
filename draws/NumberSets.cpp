// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberSets.h"

#include <algorithm>

namespace {

constexpr int kLargestDirect = 1 << 20; // numbers up to this find their index in a table

double choose(int n, int k)
{
    double result = 1;
    for (int i = 1; i <= k; ++i)
        result = result * (n - k + i) / i;
    return result;
}

} // namespace

DrumPool::DrumPool(const std::vector<ReportLine>& plays, std::vector<int> ReportLine::*group)
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

int DrumPool::indexOf(int number) const
{
    if (!direct_.empty())
        return number >= 0 && static_cast<std::size_t>(number) < direct_.size() ? direct_[static_cast<std::size_t>(number)] : -1;
    const auto at = std::lower_bound(values_.begin(), values_.end(), number);
    return at != values_.end() && *at == number ? static_cast<int>(at - values_.begin()) : -1;
}

void Sets::add(std::vector<int>& set)
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

std::size_t Sets::distinctSubsets(int pool) const
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

NumberSets::NumberSets(const std::vector<ReportLine>& plays, const HistoryDraws& history, const LineLayout& layout)
    : first(plays, &ReportLine::first), second(plays, &ReportLine::second), k(layout.firstCount),
      kb(layout.secondCount), bonusApplies(history.bonus && kb == 0 && k >= 2 && history.firstCount == k)
{
    std::vector<int> set;
    lines.items.reserve(plays.size() * static_cast<std::size_t>(k + kb));
    lines.ends.reserve(plays.size());
    draws.items.reserve(history.size() * static_cast<std::size_t>(history.firstCount + history.secondCount));
    draws.ends.reserve(history.size());
    for (const ReportLine& play : plays) {
        set.clear();
        for (int number : play.first)
            set.push_back(first.indexOf(number));
        for (int number : play.second)
            set.push_back(first.size() + second.indexOf(number));
        lines.add(set);
    }
    for (std::size_t d = 0; d < history.size(); ++d) {
        const int* drawn = history.draw(d);
        set.clear();
        for (int i = 0; i < history.firstCount; ++i)
            if (const int index = first.indexOf(drawn[i]); index >= 0)
                set.push_back(index);
        for (int i = history.firstCount; i < history.firstCount + history.secondCount; ++i)
            if (const int index = second.indexOf(drawn[i]); index >= 0)
                set.push_back(first.size() + index);
        draws.add(set);
        bonus.push_back(history.bonus ? first.indexOf(drawn[history.firstCount + history.secondCount]) : -1);
    }
}
