#pragma once

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

// The text's lines without their line ends (LF or CR LF).
std::vector<std::string_view> splitLines(std::string_view text);
// The blank-separated words of a line.
std::vector<std::string_view> wordsOf(std::string_view line);
// A whole decimal number of at most nine digits; -1 when the word is not one.
int wholeNumber(std::string_view word);
