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
        // their loads overlap.
        level_.assign(1, {0, 0, 0, -1});
        for (int size = 1; size <= count && !level_.empty(); ++size) {
            next_.clear();
            for (const Held& parent : level_)
                for (int i = parent.last + 1; i < count; ++i) {
                    const bool inSecond = items[i] >= split;
                    next_.push_back({extend(parent.key, size - 1, items[i]), parent.first + !inSecond,
                                     parent.second + inSecond, i});
                    __builtin_prefetch(place(next_.back().key, size));
                }
            std::size_t kept = 0;
            for (std::size_t c = 0; c < next_.size(); ++c) {
                const Held child = next_[c];
                Entry* entry = find(child.key);
                if (!entry || (counted && entry->count == 0))
                    continue;
                visit(*entry, child.first, child.second);
                next_[kept++] = child;
            }
            next_.resize(kept);
            std::swap(level_, next_);
        }
    }

private:
    struct Held {
        std::uint64_t key;
        int first;
        int second;
        int last; // the position of its largest index in the set
    };

    std::size_t slotOf(std::uint64_t key) const { return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> shift_); }
    int sizeOf(std::uint64_t key) const { return (63 - __builtin_clzll(key)) / bits_ + 1; }
    // Where a subset of that size stands, or would be looked for first.
    const Entry* place(std::uint64_t key, int size) const
    {
        return size <= denseSizes_ ? &dense_[static_cast<std::size_t>(size)][rank(key, size)] : &table_[slotOf(key)];
    }
    std::size_t rank(std::uint64_t key, int size) const;
    template <typename Act>
    void eachSubset(const int* items, int count, int start, std::uint64_t key, int size, Act& act);
    void grow();

    static constexpr int kMostDenseSizes = 3;

    std::vector<Entry> table_;
    std::vector<Entry> dense_[kMostDenseSizes + 1]; // by size: every subset of that size, by its rank
    std::vector<std::size_t> choose_[kMostDenseSizes + 1]; // choose_[k][n] = C(n, k)
    int denseSizes_ = 0;
    std::vector<Held> level_; // the subsets of one size a visit holds, kept from visit to visit
    std::vector<Held> next_;
    std::size_t used_ = 0;
    int shift_ = 0; // 64 - log2 of the table's size
    int bits_;
};
