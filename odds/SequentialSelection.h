// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

class PrintWriter;
class RandomSource;

// The numbers 1 to biggest of a ballset, perLine of them to a combination.
struct Ballset {
    std::int16_t biggest;
    std::int16_t perLine;
};

// Every report of the odds calculators holds this many lines.
constexpr std::size_t kOddsReportLines = 1000;

// One combination drawn by sequential selection: each candidate i = 1 ..
// biggest takes one draw and is chosen when it falls below (numbers still to
// pick) / (candidates left), so the chosen numbers come out distinct and
// ascending with no sorting. Each is written in a field of three.
void writeSelection(PrintWriter& out, RandomSource& random, const Ballset& ballset);

// The most characters writeSelection can write for the ballset.
std::size_t longestSelection(const Ballset& ballset);

// The report's lines, each drawn by drawLine and ended by CR LF, with room
// reserved for lines of at most longestLine characters (line end included).
std::string drawReport(std::size_t longestLine, const std::function<void(PrintWriter&)>& drawLine);
