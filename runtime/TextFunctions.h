// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// How many significant digits a number keeps when written as text.
enum class Precision { Single = 7, Double = 15 };

// The shortest general form: no trailing zeros, no point for whole values,
// a zero before the point, exponent form (1.5E+15) when the digits do not fit,
// "." as the decimal point whatever the locale.
std::string generalForm(double value, Precision precision = Precision::Double);
// The same into a buffer of kGeneralFormSize characters; returns the length.
constexpr std::size_t kGeneralFormSize = 40;
std::size_t writeGeneralForm(double value, Precision precision, char* buffer);

// Str(x): a leading blank for x >= 0, "-" for negatives, no trailing blank.
std::string Str(double value, Precision precision = Precision::Double);

// Format(s, "@@@..."): s right-aligned in a field of `width` characters;
// a longer s comes back whole.
std::string Format(std::string_view text, std::size_t width);

// String(n, ch).
std::string String(std::size_t count, char ch);

// Val(text): blanks, tabs and line feeds are skipped wherever they stand; a
// sign, digits with one ".", an E or D exponent, or &H / &O prefixes. Reading
// stops at the first other character; nothing numeric gives 0. A number
// beyond the double range is an overflow: no value. No locale is used.
std::optional<double> Val(std::string_view text);
// The number a text starts with, read as Val reads it; no value when the
// text holds nothing numeric or overflows.
std::optional<double> numberAtStart(std::string_view text);
