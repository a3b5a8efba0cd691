// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryCount.h"

#include "LongWork.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>

namespace {

constexpr std::size_t kDenseTiers = 1u << 16;

// Digits (Pick 3 and 4) and horses (three places), in order or sorted.
using OrderKey = std::array<int, 4>;

struct OrderKeyHash {
    std::size_t operator()(const OrderKey& key) const
    {
        std::uint64_t hash = 0;
        for (int value : key)
            hash = (hash ^ static_cast<std::uint32_t>(value)) * 0x100000001B3ull;
        return static_cast<std::size_t>(hash);
    }
};

struct KeyCount {
    long long draws = 0;
    bool met = false; // a line holds it
};

using KeyTable = std::unordered_map<OrderKey, KeyCount, OrderKeyHash>;

OrderKey keyOf(const int* values, std::size_t count, bool sorted)
{
    OrderKey key = {-1, -1, -1, -1};
    std::copy(values, values + std::min(count, key.size()), key.begin());
    if (sorted)
        std::sort(key.begin(), key.begin() + static_cast<long>(std::min(count, key.size())));
    return key;
}

// Digits and trifectas: a line is in order with the draws of its own key
// and in any order with those of its sorted key, each found in a table.
void countInOrder(const std::vector<ReportLine>& plays, const HistoryDraws& draws, WorkMonitor& monitor,
                  HistoryCount& count)
{
    const auto width = static_cast<std::size_t>(draws.firstCount);
    KeyTable inOrder;
    KeyTable anyOrder;
    for (std::size_t d = 0; d < draws.size(); ++d) {
        ++inOrder[keyOf(draws.draw(d), width, false)].draws;
        ++anyOrder[keyOf(draws.draw(d), width, true)].draws;
    }
    count.draws = draws.size();
    for (std::size_t line = 0; line < plays.size(); ++line) {
        if (stopCounting(line, plays.size(), "lines", monitor, count))
            return;
        count.lines = line + 1;
        const ReportLine& play = plays[line];
        if (play.first.size() != width)
            continue;
        const auto exact = inOrder.find(keyOf(play.first.data(), width, false));
        const auto any = anyOrder.find(keyOf(play.first.data(), width, true));
        const long long inOrderDraws = exact == inOrder.end() ? 0 : exact->second.draws;
        const long long anyOrderDraws = any == anyOrder.end() ? 0 : any->second.draws;
        count.pairs.add(0, inOrderDraws);
        count.pairs.add(1, anyOrderDraws - inOrderDraws);
        if (inOrderDraws > 0) {
            exact->second.met = true;
            count.best[line] = 0;
        } else if (anyOrderDraws > 0) {
            any->second.met = true;
            count.best[line] = 1;
        }
    }
    const bool anyInOrder = std::find(count.best.begin(), count.best.end(), 0) != count.best.end();
    const KeyTable& table = anyInOrder ? inOrder : anyOrder;
    for (std::size_t d = 0; d < draws.size(); ++d)
        if (table.at(keyOf(draws.draw(d), width, !anyInOrder)).met)
            count.bestDraws.push_back(d);
}

// Tickets, pair by pair: a ticket's game y and a draw's are the same team
// when they name it by the same index.
void countTickets(const std::vector<ReportLine>& plays, const HistoryDraws& draws, const TierScale& scale,
                  WorkMonitor& monitor, HistoryCount& count)
{
    const auto games = static_cast<std::size_t>(draws.firstCount);
    std::vector<int> tickets(plays.size() * games, -1);
    for (std::size_t t = 0; t < plays.size(); ++t)
        for (std::size_t y = 0; y < games && y < plays[t].teams.size(); ++y) {
            const std::vector<std::string>& names = draws.teams[y];
            const auto found = std::find(names.begin(), names.end(), plays[t].teams[y]);
            if (found != names.end())
                tickets[t * games + y] = static_cast<int>(found - names.begin());
        }
    std::vector<long> drawBest(draws.size(), LONG_MAX);
    count.draws = draws.size();
    for (std::size_t t = 0; t < plays.size(); ++t) {
        if (stopCounting(t, plays.size(), "tickets", monitor, count))
            break;
        long best = LONG_MAX;
        for (std::size_t d = 0; d < draws.size(); ++d) {
            int right = 0;
            for (std::size_t y = 0; y < games; ++y)
                right += tickets[t * games + y] == draws.draw(d)[y];
            const auto place = static_cast<long>(scale.ticketPlace(right));
            count.pairs.add(static_cast<std::size_t>(place));
            best = std::min(best, place);
            drawBest[d] = std::min(drawBest[d], place);
        }
        count.best[t] = best == LONG_MAX ? -1 : best;
        count.lines = t + 1;
    }
    const long best = *std::min_element(drawBest.begin(), drawBest.end());
    for (std::size_t d = 0; d < draws.size() && count.lines > 0; ++d)
        if (drawBest[d] == best)
            count.bestDraws.push_back(d);
}

} // namespace

bool stopCounting(std::size_t done, std::size_t total, const char* what, WorkMonitor& monitor, HistoryCount& count)
{
    constexpr std::size_t kBetweenReports = 4096;
    if (done % kBetweenReports != 0)
        return false;
    if (monitor.stopRequested()) {
        count.stopped = true;
        return true;
    }
    monitor.report(0.5 + 0.5 * static_cast<double>(done) / static_cast<double>(std::max<std::size_t>(total, 1)),
                   "Counting: " + std::to_string(done) + " of " + std::to_string(total) + " " + what);
    return false;
}

long bestPlace(const HistoryCount& count)
{
    long best = LONG_MAX;
    for (long place : count.best)
        if (place >= 0)
            best = std::min(best, place);
    return best;
}

TierCounts::TierCounts(std::size_t tiers) : dense_(tiers <= kDenseTiers)
{
    if (dense_)
        counts_.assign(tiers, 0);
}

long long TierCounts::at(std::size_t place) const
{
    if (dense_)
        return counts_[place];
    const auto found = sparse_.find(place);
    return found == sparse_.end() ? 0 : found->second;
}

std::vector<std::size_t> TierCounts::places() const
{
    std::vector<std::size_t> held;
    if (dense_) {
        for (std::size_t place = 0; place < counts_.size(); ++place)
            if (counts_[place] != 0)
                held.push_back(place);
    } else {
        for (const auto& [place, count] : sparse_)
            if (count != 0)
                held.push_back(place);
        std::sort(held.begin(), held.end());
    }
    return held;
}

HistoryCount countHistory(const std::vector<ReportLine>& plays, const HistoryDraws& draws, const LineLayout& layout,
                          const TierScale& scale, WorkMonitor& monitor, Counting counting)
{
    if (layout.kind == LineKind::Numbers)
        return countNumberPairs(plays, draws, layout, scale, monitor, counting);
    HistoryCount count;
    count.pairs = TierCounts(scale.size());
    count.best.assign(plays.size(), -1);
    count.bonusLines.assign(plays.size(), 0);
    if (layout.kind == LineKind::Teams)
        countTickets(plays, draws, scale, monitor, count);
    else
        countInOrder(plays, draws, monitor, count);
    return count;
}
