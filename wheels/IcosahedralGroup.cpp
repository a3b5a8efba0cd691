// SPDX-License-Identifier: GPL-3.0-or-later
#include "IcosahedralGroup.h"

#include "PoolSet.h"
#include "PrimePowerField.h"

#include <algorithm>
#include <array>
#include <memory>
#include <set>

namespace {

using Permutation = std::vector<int>;

Permutation after(const Permutation& first, const Permutation& second)
{
    Permutation p(first.size());
    for (std::size_t i = 0; i < p.size(); ++i)
        p[i] = second[static_cast<std::size_t>(first[i])];
    return p;
}

// Whether p, not the identity, gives it in n steps (n prime: p has order n).
bool hasPrimeOrder(const Permutation& p, int n)
{
    Permutation power = p;
    for (int i = 1; i < n; ++i)
        power = after(power, p);
    return std::is_sorted(power.begin(), power.end()) && !std::is_sorted(p.begin(), p.end());
}

// The maps z -> (a z + b) / (c z + d) of determinant 1 with a not 0, on
// 0 .. q - 1 and infinity (q), one after another while f wants more.
template <class F>
void forEachMap(int q, F f)
{
    std::vector<int> inverse(static_cast<std::size_t>(q), 0);
    for (int x = 1; x < q; ++x)
        for (int y = 1; y < q; ++y)
            if (x * y % q == 1)
                inverse[static_cast<std::size_t>(x)] = y;
    Permutation p(static_cast<std::size_t>(q + 1));
    for (int a = 1; a < q; ++a)
        for (int b = 0; b < q; ++b)
            for (int c = 0; c < q; ++c) {
                const int d = (1 + b * c) % q * inverse[static_cast<std::size_t>(a)] % q;
                for (int z = 0; z <= q; ++z) {
                    const int top = z == q ? a : (a * z + b) % q;
                    const int bottom = z == q ? c : (c * z + d) % q;
                    p[static_cast<std::size_t>(z)] = bottom == 0 ? q : top * inverse[static_cast<std::size_t>(bottom)] % q;
                }
                if (!f(p))
                    return;
            }
}

} // namespace

IcosahedralGroup::IcosahedralGroup(int q)
{
    // A map of order 2 and one of order 3 whose product has order 5 make
    // the whole group (whose only smaller quotient is the trivial one);
    // every map of order 2 lies in such a group.
    Permutation x;
    forEachMap(q, [&](const Permutation& p) {
        if (hasPrimeOrder(p, 2))
            x = p;
        return x.empty();
    });
    Permutation y;
    forEachMap(q, [&](const Permutation& p) {
        if (hasPrimeOrder(p, 3) && hasPrimeOrder(after(x, p), 5))
            y = p;
        return y.empty();
    });
    std::set<Permutation> group{x};
    for (std::vector<Permutation> fresh{x}; !fresh.empty();) {
        std::vector<Permutation> next;
        for (const Permutation& g : fresh)
            for (const Permutation* h : {&x, &y}) {
                Permutation p = after(g, *h);
                if (group.insert(p).second)
                    next.push_back(std::move(p));
            }
        fresh = std::move(next);
    }
    elements_.assign(group.begin(), group.end());
}

const IcosahedralGroup* IcosahedralGroup::of(int v)
{
    static const auto groups = [] {
        std::array<std::unique_ptr<IcosahedralGroup>, kMostPoolNumbers + 1> made;
        for (int q = 11; q < kMostPoolNumbers; ++q)
            if (isPrime(q) && (q % 10 == 1 || q % 10 == 9))
                made[static_cast<std::size_t>(q + 1)] = std::make_unique<IcosahedralGroup>(q);
        return made;
    }();
    return v >= 0 && v <= kMostPoolNumbers ? groups[static_cast<std::size_t>(v)].get() : nullptr;
}
