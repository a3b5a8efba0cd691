// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

// The field of q = p^e elements, numbered 0 to q - 1 by their coefficients
// in base p (polynomials in one root of an irreducible polynomial of degree
// e over the integers mod p). A pool of q numbers added to and multiplied
// in it turns in more ways than its cycles: 49 numbers as the plane of 7 by
// 7 with its multiples make wheels no turn of 49 does.
class PrimePowerField {
public:
    // The field of q elements, or nullptr when q is no power of a prime
    // with an exponent of 2 or more (a prime's field is its cycle).
    static const PrimePowerField* of(int q);

    int size() const { return q_; }
    int plus(int a, int b) const { return sum_[static_cast<std::size_t>(a * q_ + b)]; }
    int times(int a, int b) const { return product_[static_cast<std::size_t>(a * q_ + b)]; }
    // An element whose powers are every element but 0.
    int generator() const { return generator_; }
    // a to the n-th power (n >= 0).
    int power(int a, int n) const;

    // The field of p^e elements (p prime); `of` keeps one of each.
    PrimePowerField(int p, int e);

private:
    int q_;
    int generator_ = 0;
    std::vector<int> sum_;
    std::vector<int> product_;
};

// Whether n is a prime.
bool isPrime(int n);
