// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LottoGames.h"

#include <optional>
#include <string>
#include <vector>

struct ClickContext;
class ParameterFile;

// Beyond this a single-precision draw can no longer reach every number.
constexpr double kLargestBiggestNumber = 16777216;

// How many numbers Int(r * biggest) + 1 can give with r below 1 in single
// precision: biggest itself when whole, Int(biggest) + 1 when fractional,
// unless the fraction is too small for any r to reach the top number.
double drawableNumbers(double biggest);

// Why a biggest number cannot give `needed` distinct numbers a line, as the
// message box says it; nothing when it can.
std::optional<std::string> refusalOf(double biggest, int needed);

struct AskedNumber {
    BiggestNumberQuestion question;
    int needed; // distinct numbers a line takes from this range
};

// The remembered values from the file (created with the defaults when
// missing), then one prompt each; an answer of 0 or less takes the
// remembered value. A value that cannot serve a line is refused with a
// message box and ends the click, the file untouched and nothing remembered.
// Otherwise the file is rewritten with the values, which come back.
std::optional<std::vector<double>> askBiggestNumbers(ClickContext& click,
                                                     const ParameterFile& file,
                                                     const std::vector<AskedNumber>& asked);
