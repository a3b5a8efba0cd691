// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HistoryReader.h"
#include "ReportLines.h"

#include <string>
#include <string_view>
#include <vector>

struct LastReport;

// How often one value stands in the lines.
struct FrequencyBar {
    std::string value; // "7", "00"
    long count = 0;
};

// The values of one drum, digit position or finishing place, in order.
struct FrequencyGroup {
    std::string name; // "first", "second", "position 1", "pocket", "place 1"
    std::vector<FrequencyBar> bars;
    std::string uniformity; // for a history's draws: whether they came up evenly, in words

    long total() const;
    double mean() const; // the mean count of a bar
};

struct Frequencies {
    std::string error; // set when the text holds no lines to count
    std::size_t lines = 0;
    std::string unit = "line"; // "line", or "draw" for a history
    std::string source; // the last report's game and values, the history; empty for lines read by shape
    std::vector<FrequencyGroup> groups;

    // "1000 lines of Lotto 6 (Biggest Number: 49)", "12 lines read from the
    // pane", "4210 draws of the history".
    std::string summary() const;
    // CSV rows "group,value,count", one per bar, under that header.
    std::string table() const;
};

// Counts the values of the plays: each number of the first drum from 1 to
// the largest present (the game's biggest when it is known) and the second
// drum apart; digits 0 to 9 per position; the 38 pockets, 0 and 00
// included; each horse per finishing place.
Frequencies countFrequencies(const std::vector<ReportLine>& plays, const LineLayout& layout);

// Counts the values of a text's lines, read as the draw check reads them.
Frequencies numberFrequencies(std::string_view text, const LastReport* report);

// Counts the numbers a history drew, as countFrequencies counts lines, and
// tests each group for whether its numbers came up evenly (Uniformity): the
// first drum's draws take their k numbers without replacement, a digit
// position or a finishing place one.
Frequencies drawFrequencies(const HistoryDraws& draws, const LineLayout& layout);
