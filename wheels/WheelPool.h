// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct LastReport;

// A pool as typed: numbers and ranges separated by blanks or commas
// ("1-20", "3 7 11 19", "1-10, 15, 20-25"), ascending once read.
struct PoolReading {
    std::vector<int> numbers;
    std::string error; // what is wrong: a word that is no number, a repeat, too many
};
PoolReading readPool(std::string_view text);

// The pool as it would be typed, runs of three or more as ranges: "1-20",
// "3 7 11-15".
std::string poolText(const std::vector<int>& numbers);

// The numbers the pane's lines hold (their first drum), ascending, read as
// the draw check reads them.
std::vector<int> numbersOfLines(std::string_view paneText, const LastReport* report);

// The `count` numbers the lines hold most often (or least often, never
// held counting), as the frequency chart counts them; a tie goes to the
// smaller number. Ascending.
std::vector<int> frequentNumbers(std::string_view paneText, const LastReport* report, int count, bool most);
