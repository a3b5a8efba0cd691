// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

// What a column of a published draw history holds.
enum class ColumnRole {
    Skipped,  // draw and sequence numbers, products, multipliers, ball sets, machines, raffles, prizes
    Date,     // the draw's date, as written
    DatePart, // the month, day or year of a date given in three columns
    Main,     // one main number ("Ball 1"), or all of them ("Winning Numbers": blanks or "|" between)
    Second,   // the second drum's ("Powerball", "Lucky Star 1")
    Bonus,    // a bonus number: drawn from the main drum, yet no main number
};

// One vocabulary of history headers: who publishes it, one header and row
// as published, and which names stand for what. Names are matched without
// case, blanks, "_", "-" and "."; "#" stands for a number ("ball#" is
// "Ball 1"), a final "*" for any ending. A column no name matches is skipped.
struct HistoryLayout {
    const char* publisher;
    const char* example;
    std::vector<const char*> dates;
    std::vector<const char*> dateParts;
    std::vector<const char*> mains;
    std::vector<const char*> seconds;
    std::vector<const char*> bonuses;
    std::vector<const char*> skipped;
};

extern const std::vector<HistoryLayout> kHistoryLayouts;

// The role of each column of a header, as the vocabulary that knows the
// most of its names gives them; no roles when no vocabulary finds a column
// of main numbers in it.
std::vector<ColumnRole> columnRoles(const std::vector<std::string_view>& header);
