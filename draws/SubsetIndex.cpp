#include "SubsetIndex.h"

namespace {

constexpr std::uint64_t kFibonacci = 0x9E3779B97F4A7C15ull;

} // namespace

SubsetIndex::SubsetIndex(int bits, std::size_t expected) : bits_(bits)
{
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

SubsetIndex::Entry* SubsetIndex::find(std::uint64_t key)
{
    const std::size_t mask = table_.size() - 1;
    for (std::size_t slot = (key * kFibonacci) >> shift_;; slot = (slot + 1) & mask) {
        Entry& entry = table_[slot];
        if (entry.key == key)
            return &entry;
        if (entry.key == 0)
            return nullptr;
    }
}

SubsetIndex::Entry& SubsetIndex::at(std::uint64_t key)
{
    if (2 * (used_ + 1) > table_.size())
        grow();
    const std::size_t mask = table_.size() - 1;
    for (std::size_t slot = (key * kFibonacci) >> shift_;; slot = (slot + 1) & mask) {
        Entry& entry = table_[slot];
        if (entry.key == key)
            return entry;
        if (entry.key == 0) {
            entry.key = key;
            ++used_;
            return entry;
        }
    }
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
        std::size_t slot = (entry.key * kFibonacci) >> shift_;
        while (table_[slot].key != 0)
            slot = (slot + 1) & mask;
        table_[slot] = entry;
    }
}

template <typename Act>
void SubsetIndex::eachSubset(const int* items, int count, int start, std::uint64_t key, int size, Act& act)
{
    for (int i = start; i < count; ++i) {
        const std::uint64_t subset = extend(key, size, items[i]);
        act(subset);
        eachSubset(items, count, i + 1, subset, size + 1, act);
    }
}

void SubsetIndex::addSubsets(const int* items, int count)
{
    auto add = [this](std::uint64_t key) { ++at(key).count; };
    eachSubset(items, count, 0, 0, 0, add);
}

void SubsetIndex::insertSubsets(const int* items, int count)
{
    auto insert = [this](std::uint64_t key) { at(key); };
    eachSubset(items, count, 0, 0, 0, insert);
}
