// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

// How many sets of a family hold each subset of them: the index that lets a
// history check grow with lines + draws instead of lines × draws. A set is a
// few sorted small indexes (a line's or a draw's numbers, renumbered from
// 0); a subset packs into a 64-bit key, `bits` an index, the smallest first,
// each stored as index + 1 so that 0 is no subset. The small subsets, which
// every set has many of, stand in tables of their own by their rank among
// all subsets of their size; the others in a hash table.
class SubsetIndex {
public:
    struct Entry {
        std::uint64_t key = 0;
        std::uint32_t count = 0;
        bool found = false; // a check has met this subset in a line
    };

    // Indexes below `pool`; room for `expected` different subsets to start
    // with, and it grows as needed.
    SubsetIndex(int bits, int pool, std::size_t expected);

    // The key of a subset's key with one more index, larger than its others.
    std::uint64_t extend(std::uint64_t key, int size, int index) const
    {
        return key | (static_cast<std::uint64_t>(index + 1) << (bits_ * size));
    }
    // The key of a sorted set of `count` indexes.
    std::uint64_t keyOf(const int* items, int count) const;

    Entry* find(std::uint64_t key);
    // The entry of a key, added with a count of 0 when it is new.
    Entry& at(std::uint64_t key);

    // +1 for every non-empty subset of the set: indexing the draws.
    void addSubsets(const int* items, int count);
    // Every non-empty subset of the set, with a count of 0: indexing the
    // lines, for the draws to be counted into.
    void insertSubsets(const int* items, int count);

    // Visits the non-empty subsets of a set that the index holds (with a
    // count above 0 when `counted`), leaving out those a smaller one rules
    // out: no set holds a subset of a subset no set holds. Calls
    // visit(entry, first, second) with how many of the subset's indexes are
    // below `split` (first drum) and at or above it (second drum).
    template <typename Visit>
    void visitHeld(const int* items, int count, int split, bool counted, Visit&& visit)
    {
        // Size by size: the table is bigger than the caches, so each size's
        // subsets are all asked for before the first is looked at, and
        // their loads overlap. Sets of at most 8 indexes have at most 70
        // subsets of a size.
        Held levels[2][kMostOfASize];
        Held* level = levels[0];
        Held* next = levels[1];
        std::size_t held = 1;
        level[0] = {0, 0, 0, 0, -1};
        for (int size = 1; size <= count && held > 0; ++size) {
            std::size_t asked = 0;
            for (std::size_t p = 0; p < held; ++p)
                for (int i = level[p].last + 1; i < count && asked < kMostOfASize; ++i) {
                    Held& child = next[asked++];
                    const bool inSecond = items[i] >= split;
                    child.key = extend(level[p].key, size - 1, items[i]);
                    child.rank = size <= denseSizes_ ? level[p].rank + choose(size, items[i]) : slotOf(child.key);
                    child.first = level[p].first + !inSecond;
                    child.second = level[p].second + inSecond;
                    child.last = i;
                    __builtin_prefetch(size <= denseSizes_ ? &dense_[size][child.rank] : &table_[child.rank]);
                }
            held = 0;
            for (std::size_t c = 0; c < asked; ++c) {
                Entry* entry = locate(next[c].key, size, next[c].rank, false);
                if (!entry || (counted && entry->count == 0))
                    continue;
                visit(*entry, next[c].first, next[c].second);
                next[held++] = next[c];
            }
            std::swap(level, next);
        }
    }

private:
    struct Held {
        std::uint64_t key;
        std::size_t rank; // among the subsets of its size, or its first slot in the hash table
        int first;
        int second;
        int last; // the position of its largest index in the set
    };

    std::size_t slotOf(std::uint64_t key) const { return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> shift_); }
    int sizeOf(std::uint64_t key) const { return (63 - __builtin_clzll(key)) / bits_ + 1; }
    // C(index, k): what an index adds to the rank of a subset in which it is the k-th smallest.
    std::size_t choose(int k, int index) const { return choose_[k][static_cast<std::size_t>(index)]; }
    std::size_t rankOf(std::uint64_t key, int size) const;
    // The entry of a subset of that size, found from its rank (dense sizes)
    // or first slot; added when `insert`, else null when missing.
    Entry* locate(std::uint64_t key, int size, std::size_t rank, bool insert)
    {
        if (size <= denseSizes_) {
            Entry& entry = dense_[size][rank];
            if (insert)
                entry.key = key;
            return entry.key == key ? &entry : nullptr;
        }
        if (insert && 2 * (used_ + 1) > table_.size()) {
            grow();
            rank = slotOf(key);
        }
        const std::size_t mask = table_.size() - 1;
        for (std::size_t slot = rank;; slot = (slot + 1) & mask) {
            Entry& entry = table_[slot];
            if (entry.key == key)
                return &entry;
            if (entry.key == 0) {
                if (!insert)
                    return nullptr;
                entry.key = key;
                ++used_;
                return &entry;
            }
        }
    }
    template <typename Act>
    void eachSubset(const int* items, int count, int start, std::uint64_t key, std::size_t rank, int size, Act& act);
    void grow();

    static constexpr int kMostDenseSizes = 3;
    static constexpr std::size_t kMostOfASize = 70; // C(8, 4)

    std::vector<Entry> table_;
    std::vector<Entry> dense_[kMostDenseSizes + 1]; // by size: every subset of that size, by its rank
    std::vector<std::size_t> choose_[kMostDenseSizes + 1]; // choose_[k][n] = C(n, k)
    int denseSizes_ = 0;

    std::size_t used_ = 0;
    int shift_ = 0; // 64 - log2 of the table's size
    int bits_;
};
