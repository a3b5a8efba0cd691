// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextFunctions.h"

#include <charconv>
#include <cmath>

namespace {

// The C locale's "%.15G": to_chars writes the same digits without a
// locale, in lower case ("1.5e+15", "inf").
std::size_t writeRoundedForm(double value, Precision precision, char* buffer)
{
    const auto result = std::to_chars(buffer, buffer + kGeneralFormSize, value, std::chars_format::general,
                                      static_cast<int>(precision));
    for (char* c = buffer; c != result.ptr; ++c)
        if (*c >= 'a' && *c <= 'z')
            *c = static_cast<char>(*c - 'a' + 'A');
    return static_cast<std::size_t>(result.ptr - buffer);
}

} // namespace

std::size_t writeGeneralForm(double value, Precision precision, char* buffer)
{
    if (value == 0) {
        buffer[0] = '0'; // also for -0
        return 1;
    }
    // Whole numbers that fit the digits are the common case of every report.
    const double limit = precision == Precision::Double ? 1e15 : 1e7;
    if (value == std::floor(value) && std::fabs(value) < limit) {
        const auto result = std::to_chars(buffer, buffer + kGeneralFormSize,
                                          static_cast<long long>(value));
        return static_cast<std::size_t>(result.ptr - buffer);
    }
    std::size_t size = writeRoundedForm(value, precision, buffer);
    // Next to the largest double the digits round up beyond it, and would
    // not read back: such a number is written a step smaller.
    double back = 0;
    while (std::fabs(value) > 1e308 && std::isfinite(value)
           && std::from_chars(buffer, buffer + size, back).ec == std::errc::result_out_of_range) {
        value = std::nextafter(value, 0.0);
        size = writeRoundedForm(value, precision, buffer);
    }
    return size;
}

std::string generalForm(double value, Precision precision)
{
    char buffer[kGeneralFormSize];
    return std::string(buffer, writeGeneralForm(value, precision, buffer));
}

std::string Str(double value, Precision precision)
{
    std::string digits = generalForm(value, precision);
    if (digits[0] != '-')
        digits.insert(digits.begin(), ' ');
    return digits;
}

std::string Format(std::string_view text, std::size_t width)
{
    std::string out;
    if (text.size() < width)
        out.assign(width - text.size(), ' ');
    out.append(text);
    return out;
}

std::string String(std::size_t count, char ch) { return std::string(count, ch); }

namespace {

int digitValue(char c, int radix)
{
    int digit = -1;
    if (c >= '0' && c <= '9')
        digit = c - '0';
    else if (radix == 16 && c >= 'a' && c <= 'f')
        digit = c - 'a' + 10;
    else if (radix == 16 && c >= 'A' && c <= 'F')
        digit = c - 'A' + 10;
    return digit < radix ? digit : -1;
}

std::optional<double> radixValue(const std::string& digits, std::size_t from, int radix)
{
    double value = 0;
    for (std::size_t i = from; i < digits.size() && digitValue(digits[i], radix) >= 0; ++i)
        value = value * radix + digitValue(digits[i], radix);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// What a text starts with: whether it holds a number at all, and its value
// (none on overflow).
struct NumericPrefix {
    bool numeric = false;
    std::optional<double> value;
};

// from_chars reads the number without a locale. Out of range, the place of
// the first significant digit (a power of ten) tells an overflow (no value)
// from an underflow (0).
NumericPrefix decimalValue(const std::string& number, long magnitude)
{
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return {true, magnitude > 0 ? std::nullopt : std::optional<double>(0.0)};
    return {true, value};
}

NumericPrefix numericPrefix(std::string_view text)
{
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            s += c;

    if (s.size() >= 2 && s[0] == '&') {
        const bool hex = s[1] == 'H' || s[1] == 'h';
        if (!hex && s[1] != 'O' && s[1] != 'o')
            return {};
        const int radix = hex ? 16 : 8;
        if (s.size() == 2 || digitValue(s[2], radix) < 0)
            return {};
        return {true, radixValue(s, 2, radix)};
    }

    // Copy the numeric prefix in the form from_chars reads: no "+", D
    // exponents as E. Count where the first significant digit stands.
    std::string number;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-') && s[i++] == '-')
        number += '-';
    bool anyDigit = false;
    bool significant = false;
    long integerDigits = 0; // significant ones
    long leadingZeros = 0;  // after the point, before the first significant digit
    while (i < s.size() && isDigit(s[i])) {
        significant = significant || s[i] != '0';
        integerDigits += significant ? 1 : 0;
        number += s[i++];
        anyDigit = true;
    }
    if (i < s.size() && s[i] == '.') {
        number += s[i++];
        while (i < s.size() && isDigit(s[i])) {
            significant = significant || s[i] != '0';
            leadingZeros += significant ? 0 : 1;
            number += s[i++];
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return {};
    long exponent = 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        const bool negative = j < s.size() && s[j] == '-';
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        const std::size_t firstDigit = j;
        for (; j < s.size() && isDigit(s[j]); ++j)
            if (exponent < 1000000)
                exponent = exponent * 10 + (s[j] - '0');
        if (j > firstDigit)
            number += (negative ? "E-" : "E") + s.substr(firstDigit, j - firstDigit);
        exponent = negative ? -exponent : exponent;
    }
    return decimalValue(number, integerDigits > 0 ? integerDigits + exponent : exponent - leadingZeros);
}

} // namespace

std::optional<double> Val(std::string_view text)
{
    const NumericPrefix prefix = numericPrefix(text);
    return prefix.numeric ? prefix.value : 0.0;
}

std::optional<double> numberAtStart(std::string_view text)
{
    return numericPrefix(text).value;
}
