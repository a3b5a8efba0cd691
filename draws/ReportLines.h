// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Draw.h"
#include "LineLayout.h"

#include <string>
#include <string_view>
#include <vector>

// One play of a report: a line's numbers in its groups (digits, horses and
// the pocket in `first`), or a ticket's teams.
struct ReportLine {
    int lineNumber; // in the text, from 1
    std::vector<int> first;
    std::vector<int> second;
    std::vector<std::string> teams;
};

// The plays of a text laid out as `layout` says, in order. Lines that hold
// no play of that layout (blank lines, the roulette summary, the tickets'
// dash and tally lines, lines of another count) are left out.
std::vector<ReportLine> readReportLines(std::string_view text, const LineLayout& layout);

// The teams each game of the tickets can be won by: the names of its column
// in the tickets and in the tally lines after them.
GameTeams gameTeams(std::string_view text, const std::vector<ReportLine>& tickets, int games);

// The text's lines without their line ends (LF or CR LF), and without the
// byte-order mark an editor may have put before the first one.
std::vector<std::string_view> splitLines(std::string_view text);
// The blank-separated words of a line (or those between any of `separators`).
std::vector<std::string_view> wordsOf(std::string_view line, const char* separators = " \t");
// A whole decimal number of at most nine digits; -1 when the word is not one.
int wholeNumber(std::string_view word);
// "1 line", "2 lines".
std::string plural(std::size_t count, const std::string& word);
