// SPDX-License-Identifier: GPL-3.0-or-later
#include "SubsetIndex.h"

#include <algorithm>

namespace {

// A table of its own for a size holds at most this many subsets (1 MiB).
constexpr std::size_t kLargestDense = 1u << 16;

} // namespace

SubsetIndex::SubsetIndex(int bits, int pool, std::size_t expected) : bits_(bits)
{
    for (int k = 1; k <= kMostDenseSizes && pool > 0; ++k) {
        std::vector<std::size_t>& choose = choose_[k];
        choose.assign(static_cast<std::size_t>(pool) + 1, 0);
        for (int n = k; n <= pool; ++n)
            choose[static_cast<std::size_t>(n)] = n == k ? 1 : choose[static_cast<std::size_t>(n - 1)] * static_cast<std::size_t>(n) / static_cast<std::size_t>(n - k);
        if (choose[static_cast<std::size_t>(pool)] > kLargestDense)
            break;
        dense_[k].assign(std::max<std::size_t>(choose[static_cast<std::size_t>(pool)], 1), Entry{});
        denseSizes_ = k;
    }
    // At most half full: a missing key is then found missing in a probe or two.
    std::size_t size = 64;
    int log = 6;
    while (size < 2 * expected) {
        size *= 2;
        ++log;
    }
    table_.assign(size, Entry{});
    shift_ = 64 - log;
}

std::uint64_t SubsetIndex::keyOf(const int* items, int count) const
{
    std::uint64_t key = 0;
    for (int i = 0; i < count; ++i)
        key = extend(key, i, items[i]);
    return key;
}

std::size_t SubsetIndex::rankOf(std::uint64_t key, int size) const
{
    if (size > denseSizes_)
        return slotOf(key);
    // Colexicographic: the i-th smallest index a counts C(a, i).
    const std::uint64_t mask = (std::uint64_t{1} << bits_) - 1;
    std::size_t rank = 0;
    for (int i = 0; i < size; ++i)
        rank += choose(i + 1, static_cast<int>(((key >> (bits_ * i)) & mask) - 1));
    return rank;
}

SubsetIndex::Entry* SubsetIndex::find(std::uint64_t key)
{
    const int size = sizeOf(key);
    return locate(key, size, rankOf(key, size), false);
}

SubsetIndex::Entry& SubsetIndex::at(std::uint64_t key)
{
    const int size = sizeOf(key);
    return *locate(key, size, rankOf(key, size), true);
}

void SubsetIndex::grow()
{
    std::vector<Entry> old(2 * table_.size());
    old.swap(table_);
    --shift_;
    const std::size_t mask = table_.size() - 1;
    for (const Entry& entry : old) {
        if (entry.key == 0)
            continue;
        std::size_t slot = slotOf(entry.key);
        while (table_[slot].key != 0)
            slot = (slot + 1) & mask;
        table_[slot] = entry;
    }
}

template <typename Act>
void SubsetIndex::eachSubset(const int* items, int count, int start, std::uint64_t key, std::size_t rank, int size,
                             Act& act)
{
    for (int i = start; i < count; ++i) {
        const std::uint64_t subset = extend(key, size, items[i]);
        // A dense size's rank grows with each index; past them it is not needed.
        const std::size_t subsetRank = size + 1 <= denseSizes_ ? rank + choose(size + 1, items[i]) : 0;
        act(*locate(subset, size + 1, size + 1 <= denseSizes_ ? subsetRank : slotOf(subset), true));
        eachSubset(items, count, i + 1, subset, subsetRank, size + 1, act);
    }
}

void SubsetIndex::addSubsets(const int* items, int count)
{
    auto add = [](Entry& entry) { ++entry.count; };
    eachSubset(items, count, 0, 0, 0, 0, add);
}

void SubsetIndex::insertSubsets(const int* items, int count)
{
    auto insert = [](Entry&) {};
    eachSubset(items, count, 0, 0, 0, 0, insert);
}
