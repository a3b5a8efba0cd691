// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HistoryReader.h"
#include "ReportLines.h"
#include "TierScale.h"

#include <cstddef>
#include <unordered_map>
#include <vector>

class WorkMonitor;

// A count per tier place: a table for the usual scales, a map for a scale
// of a million tiers that only a few pairs reach.
class TierCounts {
public:
    explicit TierCounts(std::size_t tiers = 0);
    void add(std::size_t place, long long count = 1)
    {
        if (dense_)
            counts_[place] += count;
        else
            sparse_[place] += count;
    }
    long long at(std::size_t place) const;
    // The places that hold a count, from the best down.
    std::vector<std::size_t> places() const;

private:
    bool dense_;
    std::vector<long long> counts_;
    std::unordered_map<std::size_t, long long> sparse_;
};

// How every (line, draw) pair of a history check fell.
struct HistoryCount {
    TierCounts pairs;                   // per place of the tier scale
    std::vector<long> best;             // per line: its best place, -1 when it was not checked
    std::vector<std::size_t> bestDraws; // the draws that reached the best place of all, in order
    long long bonusPairs = 0;           // pairs of K-1 numbers and the bonus, in a K-number game
    std::vector<char> bonusLines;       // per line: whether it held K-1 and the bonus in some draw
    std::size_t lines = 0;              // lines and draws checked: all of them, unless stopped
    std::size_t draws = 0;
    bool stopped = false;
};

// How number lines are counted: an index of the draws' subsets when the
// draws have fewer subsets than the lines, of the lines' when the lines
// have fewer, and pair by pair (bit masks) when sets are too big for their
// subsets (Keno's 20 drawn numbers). Tests choose one to check one against
// another.
enum class Counting { Automatic, DrawIndex, LineIndex, PairByPair };

// Counts every (line, draw) pair: in time that grows with lines + draws for
// lotto lines of up to 8 numbers and for digits and trifectas, pair by pair
// for Keno and tickets. The monitor hears how far it got and may stop it:
// what was counted so far is kept.
HistoryCount countHistory(const std::vector<ReportLine>& plays, const HistoryDraws& draws, const LineLayout& layout,
                          const TierScale& scale, WorkMonitor& monitor, Counting counting = Counting::Automatic);

// Whether to stop at `done` of `total` lines or draws: every few thousand
// the monitor hears how far the count is, and may ask it to stop.
bool stopCounting(std::size_t done, std::size_t total, const char* what, WorkMonitor& monitor, HistoryCount& count);
// The best place a line reached; LONG_MAX when none did.
long bestPlace(const HistoryCount& count);

// The same for number lines; countHistory hands them on.
HistoryCount countNumberPairs(const std::vector<ReportLine>& plays, const HistoryDraws& draws,
                              const LineLayout& layout, const TierScale& scale, WorkMonitor& monitor,
                              Counting counting);
