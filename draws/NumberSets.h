// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HistoryCount.h"

#include <cstddef>
#include <vector>

// Number lines and draws as sets of small indexes, for counting their pairs.

constexpr int kMostSubsetItems = 8; // 255 subsets of a set

// The numbers of one drum's lines, renumbered from 0 in ascending order; a
// drawn number that no line holds has none: it cannot match.
class DrumPool {
public:
    DrumPool(const std::vector<ReportLine>& plays, std::vector<int> ReportLine::*group);
    int size() const { return static_cast<int>(values_.size()); }
    int indexOf(int number) const;

private:
    std::vector<int> values_;
    std::vector<int> direct_; // by number up to a million: its index, -1 for none
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
    // Adds the set, sorted, each index once.
    void add(std::vector<int>& set);
    // At most how many different subsets the sets hold, from a pool of that
    // many indexes: of each size, no more than the pool has, nor than the
    // sets give.
    std::size_t distinctSubsets(int pool) const;
};

// The lines and the draws of a history check, renumbered.
struct NumberSets {
    NumberSets(const std::vector<ReportLine>& plays, const HistoryDraws& draws, const LineLayout& layout);

    DrumPool first;
    DrumPool second;
    int k;  // numbers of a line's first group
    int kb; // and of its second
    Sets lines;
    Sets draws;
    std::vector<int> bonus; // per draw: the bonus's index, -1 for none
    bool bonusApplies;      // the tier of K-1 of a single drum's K and the bonus

    int pool() const { return first.size() + second.size(); }
};

// Counts every pair on its own, its numbers' bit masks side by side: for
// sets too big for their subsets, and the reference the indexes are tested
// against. `count` comes with its tables sized.
void countPairsByMasks(const NumberSets& sets, const TierScale& scale, WorkMonitor& monitor, HistoryCount& count);
