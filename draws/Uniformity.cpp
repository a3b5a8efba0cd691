// SPDX-License-Identifier: GPL-3.0-or-later
#include "Uniformity.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

constexpr double kEpsilon = 1e-15;
constexpr int kMostTerms = 100000;
// Pearson's statistic is chi-square only when each number is expected often enough.
constexpr double kLeastExpected = 5;

// ln Γ(a) without the sign that std::lgamma leaves in a global: a is positive here.
double logGamma(double a)
{
    int sign = 0;
    return ::lgamma_r(a, &sign);
}

// P(a, x) by its series, for x < a + 1.
double lowerBySeries(double a, double x)
{
    double term = 1 / a;
    double sum = term;
    for (int n = 1; n < kMostTerms; ++n) {
        term *= x / (a + n);
        sum += term;
        if (std::fabs(term) < std::fabs(sum) * kEpsilon)
            break;
    }
    return sum * std::exp(-x + a * std::log(x) - logGamma(a));
}

// Q(a, x) by its continued fraction (modified Lentz), for x >= a + 1.
double upperByFraction(double a, double x)
{
    const double tiny = std::numeric_limits<double>::min() / kEpsilon;
    double b = x + 1 - a;
    double c = 1 / tiny;
    double d = 1 / b;
    double h = d;
    for (int i = 1; i < kMostTerms; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        if (std::fabs(d) < tiny)
            d = tiny;
        c = b + an / c;
        if (std::fabs(c) < tiny)
            c = tiny;
        d = 1 / d;
        const double delta = d * c;
        h *= delta;
        if (std::fabs(delta - 1) < kEpsilon)
            break;
    }
    return std::exp(-x + a * std::log(x) - logGamma(a)) * h;
}

std::string fixed(double value, int decimals)
{
    std::array<char, 64> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals).ptr;
    return std::string(buffer.data(), end);
}

std::string shareText(double p)
{
    if (p >= 0.01)
        return fixed(std::round(p * 100), 0) + " % of histories";
    if (p >= 0.001)
        return "fewer than 1 in 100 histories";
    return "fewer than 1 in 1,000 histories";
}

} // namespace

double chiSquareSurvival(double x, double degrees)
{
    const double a = degrees / 2;
    const double half = x / 2;
    if (!(degrees > 0) || !(x > 0))
        return 1;
    return half < a + 1 ? 1 - lowerBySeries(a, half) : upperByFraction(a, half);
}

std::string Uniformity::text() const
{
    std::string line = "chi-square " + fixed(statistic, 2) + " (Pearson's × " + std::to_string(numbers - 1) + "/"
                       + std::to_string(numbers - drawn) + ": " + std::to_string(drawn) + " of "
                       + std::to_string(numbers) + " drawn without replacement), " + std::to_string(degrees)
                       + " degrees of freedom, p " + (p < 0.0001 ? "< 0.0001" : "= " + fixed(p, 4))
                       + ": a fair draw gives counts this uneven or more in " + shareText(p);
    if (p >= 0.05)
        return line + ", so nothing here says it is unfair.";
    if (p >= 0.001)
        return line + ": the numbers may not come up evenly.";
    return line + ": the numbers do not come up evenly (or the history mixes games of different sizes).";
}

UniformityReading uniformity(const std::vector<long>& counts, long draws, long drawn)
{
    const auto numbers = static_cast<long>(counts.size());
    if (numbers < 2 || drawn < 1 || drawn >= numbers)
        return {std::nullopt, "no test: the drum holds too few numbers for one."};
    const double expected = static_cast<double>(draws) * static_cast<double>(drawn) / static_cast<double>(numbers);
    if (expected < kLeastExpected)
        return {std::nullopt, "no test: too few draws (each number expected " + fixed(expected, 2)
                                  + " times; the test needs at least 5)."};
    Uniformity test;
    test.numbers = numbers;
    test.drawn = drawn;
    for (long count : counts)
        test.statistic += (static_cast<double>(count) - expected) * (static_cast<double>(count) - expected) / expected;
    test.scale = static_cast<double>(numbers - 1) / static_cast<double>(numbers - drawn);
    test.statistic *= test.scale;
    test.degrees = numbers - 1;
    test.p = chiSquareSurvival(test.statistic, static_cast<double>(test.degrees));
    return {test, {}};
}
