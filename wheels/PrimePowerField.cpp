// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrimePowerField.h"

#include "PoolSet.h"

#include <array>
#include <memory>

namespace {

std::vector<int> digits(int x, int p, int e)
{
    std::vector<int> d(static_cast<std::size_t>(e));
    for (int& digit : d) {
        digit = x % p;
        x /= p;
    }
    return d;
}

int number(const std::vector<int>& d, int p)
{
    int x = 0;
    for (auto i = d.size(); i-- > 0;)
        x = x * p + d[i];
    return x;
}

} // namespace

PrimePowerField::PrimePowerField(int p, int e) : q_(1)
{
    for (int i = 0; i < e; ++i)
        q_ *= p;
    const auto cells = static_cast<std::size_t>(q_ * q_);
    sum_.resize(cells);
    product_.resize(cells);
    for (int a = 0; a < q_; ++a)
        for (int b = 0; b < q_; ++b) {
            auto d = digits(a, p, e);
            const auto db = digits(b, p, e);
            for (std::size_t i = 0; i < d.size(); ++i)
                d[i] = (d[i] + db[i]) % p;
            sum_[static_cast<std::size_t>(a * q_ + b)] = number(d, p);
        }
    // x^e = -(c_0 + c_1 x + ... ) for each monic polynomial in turn, until
    // one makes an element whose powers reach every other: then it is
    // irreducible, and the ring a field.
    for (int tail = 0; tail < q_ && generator_ == 0; ++tail) {
        const auto reduce = digits(tail, p, e);
        for (int a = 0; a < q_; ++a)
            for (int b = 0; b < q_; ++b) {
                const auto da = digits(a, p, e);
                const auto db = digits(b, p, e);
                std::vector<int> full(static_cast<std::size_t>(2 * e), 0);
                for (int i = 0; i < e; ++i)
                    for (int j = 0; j < e; ++j)
                        full[static_cast<std::size_t>(i + j)] += da[static_cast<std::size_t>(i)] * db[static_cast<std::size_t>(j)];
                for (int i = 2 * e - 1; i >= e; --i) {
                    const int high = full[static_cast<std::size_t>(i)] % p;
                    for (int j = 0; j < e; ++j)
                        full[static_cast<std::size_t>(i - e + j)] += (p - reduce[static_cast<std::size_t>(j)]) * high;
                }
                std::vector<int> low(full.begin(), full.begin() + e);
                for (int& digit : low)
                    digit %= p;
                product_[static_cast<std::size_t>(a * q_ + b)] = number(low, p);
            }
        for (int g = 2; g < q_ && generator_ == 0; ++g) {
            int power = g;
            int count = 1;
            for (; power != 1 && power != 0 && count < q_; ++count)
                power = times(power, g);
            if (power == 1 && count == q_ - 1)
                generator_ = g;
        }
    }
}

const PrimePowerField* PrimePowerField::of(int q)
{
    static const auto fields = [] {
        std::array<std::unique_ptr<PrimePowerField>, kMostPoolNumbers + 1> made;
        for (int p = 2; p * p <= kMostPoolNumbers; ++p) {
            bool prime = true;
            for (int d = 2; d * d <= p; ++d)
                prime = prime && p % d != 0;
            if (!prime)
                continue;
            for (int e = 2, q = p * p; q <= kMostPoolNumbers; ++e, q *= p)
                made[static_cast<std::size_t>(q)] = std::make_unique<PrimePowerField>(p, e);
        }
        return made;
    }();
    return q >= 0 && q <= kMostPoolNumbers ? fields[static_cast<std::size_t>(q)].get() : nullptr;
}
