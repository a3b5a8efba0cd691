// SPDX-License-Identifier: GPL-3.0-or-later
#include "Subsets.h"

#include <array>
#include <limits>

namespace {

constexpr int kTableSize = 129;
using Table = std::array<std::array<std::uint64_t, kTableSize>, kTableSize>;

Table makeTable()
{
    constexpr std::uint64_t most = std::numeric_limits<std::uint64_t>::max();
    Table table{};
    for (int n = 0; n < kTableSize; ++n) {
        table[n][0] = 1;
        for (int k = 1; k <= n; ++k) {
            const std::uint64_t a = table[n - 1][k - 1];
            const std::uint64_t b = table[n - 1][k];
            table[n][k] = a > most - b ? most : a + b;
        }
    }
    return table;
}

const Table& table()
{
    static const Table built = makeTable();
    return built;
}

} // namespace

std::uint64_t binomial(int n, int k)
{
    if (k < 0 || n < 0 || k > n || n >= kTableSize)
        return 0;
    return table()[n][k];
}

std::vector<int> allSubsets(int n, int k)
{
    std::vector<int> sets;
    for (SubsetWalk walk(n, k); walk.valid(); walk.next())
        sets.insert(sets.end(), walk.positions().begin(), walk.positions().end());
    return sets;
}

SubsetWalk::SubsetWalk(int n, int k) : n_(n), positions_(static_cast<std::size_t>(k < 0 ? 0 : k)), valid_(k >= 0 && k <= n)
{
    for (int i = 0; i < k && valid_; ++i)
        positions_[static_cast<std::size_t>(i)] = i;
}

void SubsetWalk::next()
{
    // Colexicographic: raise the lowest position that can rise, and put the
    // ones below it back at the bottom.
    const int k = static_cast<int>(positions_.size());
    for (int i = 0; i < k; ++i) {
        const int limit = i + 1 < k ? positions_[static_cast<std::size_t>(i + 1)] : n_;
        if (positions_[static_cast<std::size_t>(i)] + 1 < limit) {
            ++positions_[static_cast<std::size_t>(i)];
            for (int j = 0; j < i; ++j)
                positions_[static_cast<std::size_t>(j)] = j;
            return;
        }
    }
    valid_ = false;
}
