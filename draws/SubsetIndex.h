#pragma once

#include <cstdint>
#include <vector>

// How many sets of a family hold each subset of them: the index that lets a
// history check grow with lines + draws instead of lines × draws. A set is a
// few sorted small indexes (a line's or a draw's numbers, renumbered from
// 0); a subset packs into a 64-bit key, `bits` an index, the smallest first,
// each stored as index + 1 so that 0 is no subset.
class SubsetIndex {
public:
    struct Entry {
        std::uint64_t key = 0;
        std::uint32_t count = 0;
        bool found = false; // a check has met this subset in a line
    };

    // Room for `expected` subsets to start with; it grows as needed.
    SubsetIndex(int bits, std::size_t expected);

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
        walk(items, count, split, counted, 0, 0, 0, 0, visit);
    }

private:
    template <typename Visit>
    void walk(const int* items, int count, int split, bool counted, int start, std::uint64_t key, int first,
              int second, Visit& visit)
    {
        for (int i = start; i < count; ++i) {
            const std::uint64_t subset = extend(key, first + second, items[i]);
            Entry* entry = find(subset);
            if (!entry || (counted && entry->count == 0))
                continue;
            const bool inSecond = items[i] >= split;
            visit(*entry, first + !inSecond, second + inSecond);
            walk(items, count, split, counted, i + 1, subset, first + !inSecond, second + inSecond, visit);
        }
    }
    template <typename Act>
    void eachSubset(const int* items, int count, int start, std::uint64_t key, int size, Act& act);
    void grow();

    std::vector<Entry> table_;
    std::size_t used_ = 0;
    int shift_ = 0; // 64 - log2 of the table's size
    int bits_;
};
