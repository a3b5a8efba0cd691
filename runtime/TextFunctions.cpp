#include "TextFunctions.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

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
    const int written = std::snprintf(buffer, kGeneralFormSize, "%.*G", static_cast<int>(precision), value);
    return static_cast<std::size_t>(written);
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

std::optional<double> radixValue(const std::string& digits, std::size_t from, int radix)
{
    double value = 0;
    for (std::size_t i = from; i < digits.size(); ++i) {
        const char c = digits[i];
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (radix == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (radix == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0 || digit >= radix)
            break;
        value = value * radix + digit;
    }
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::optional<double> Val(std::string_view text)
{
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            s += c;

    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h')
            return radixValue(s, 2, 16);
        if (s[1] == 'O' || s[1] == 'o')
            return radixValue(s, 2, 8);
        return 0.0;
    }

    // Copy the numeric prefix in the form strtod reads, D exponents as E.
    std::string number;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        number += s[i++];
    bool anyDigit = false;
    while (i < s.size() && isDigit(s[i])) {
        number += s[i++];
        anyDigit = true;
    }
    if (i < s.size() && s[i] == '.') {
        number += s[i++];
        while (i < s.size() && isDigit(s[i])) {
            number += s[i++];
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0.0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "E";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent += s[j++];
        bool expDigit = false;
        while (j < s.size() && isDigit(s[j])) {
            exponent += s[j++];
            expDigit = true;
        }
        if (expDigit)
            number += exponent;
    }
    const double value = std::strtod(number.c_str(), nullptr);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}
