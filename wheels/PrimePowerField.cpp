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
    const auto size = static_cast<std::size_t>(q_);
    std::vector<std::vector<int>> coefficients;
    for (int x = 0; x < q_; ++x)
        coefficients.push_back(digits(x, p, e));
    sum_.resize(size * size);
    product_.resize(size * size);
    for (std::size_t a = 0; a < size; ++a)
        for (std::size_t b = 0; b < size; ++b) {
            std::vector<int> d(coefficients[a]);
            for (std::size_t i = 0; i < d.size(); ++i)
                d[i] = (d[i] + coefficients[b][i]) % p;
            sum_[a * size + b] = number(d, p);
        }
    // x^e = -(c_0 + c_1 x + ... ) for each monic polynomial in turn, until
    // one makes an element whose powers reach every other: then it is
    // irreducible, and the ring a field.
    const auto degree = static_cast<std::size_t>(e);
    for (std::size_t tail = 0; tail < size && generator_ == 0; ++tail) {
        const std::vector<int>& reduce = coefficients[tail];
        for (std::size_t a = 0; a < size; ++a)
            for (std::size_t b = 0; b < size; ++b) {
                std::vector<int> full(2 * degree, 0);
                for (std::size_t i = 0; i < degree; ++i)
                    for (std::size_t j = 0; j < degree; ++j)
                        full[i + j] += coefficients[a][i] * coefficients[b][j];
                for (std::size_t i = 2 * degree - 1; i >= degree; --i) {
                    const int high = full[i] % p;
                    for (std::size_t j = 0; j < degree; ++j)
                        full[i - degree + j] += (p - reduce[j]) * high;
                }
                full.resize(degree);
                for (int& digit : full)
                    digit %= p;
                product_[a * size + b] = number(full, p);
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

int PrimePowerField::power(int a, int n) const
{
    int result = 1;
    for (int i = 0; i < n; ++i)
        result = times(result, a);
    return result;
}

bool isPrime(int n)
{
    for (int d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return false;
    return n >= 2;
}

const PrimePowerField* PrimePowerField::of(int q)
{
    static const auto fields = [] {
        std::array<std::unique_ptr<PrimePowerField>, kMostPoolNumbers + 1> made;
        for (int p = 2; p * p <= kMostPoolNumbers; ++p) {
            if (!isPrime(p))
                continue;
            for (int e = 2, q = p * p; q <= kMostPoolNumbers; ++e, q *= p)
                made[static_cast<std::size_t>(q)] = std::make_unique<PrimePowerField>(p, e);
        }
        return made;
    }();
    return q >= 0 && q <= kMostPoolNumbers ? fields[static_cast<std::size_t>(q)].get() : nullptr;
}
