// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Draw.h"
#include "LineLayout.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class WorkMonitor;

// The draws of a history as the lines' game reads them, kept flat: a 64 MiB
// file may hold two million draws.
struct HistoryDraws {
    int firstCount = 0;  // numbers (digits, horses) of each draw's first group; games for tickets
    int secondCount = 0; // numbers of the second drum
    bool bonus = false;  // the history has a bonus column
    // Per draw: the first group, the second, then the bonus (0 for none)
    // when the history has one. A ticket draw's team of game y is the index
    // of its name in `teams[y]`.
    std::vector<int> numbers;
    std::vector<int> rows;  // per draw: its line in the file, from 1
    GameTeams teams;        // for tickets: the names the indexes stand for

    std::size_t size() const { return rows.size(); }
    std::size_t width() const { return static_cast<std::size_t>(firstCount + secondCount + (bonus ? 1 : 0)); }
    const int* draw(std::size_t d) const { return numbers.data() + d * width(); }
    // The draw's date as the file writes it ("18-Feb-2026"); empty when it has none.
    std::string_view date(std::size_t d) const;

    std::string dateText_;                  // the dates, one after the other
    std::vector<std::uint32_t> dateEnds_;   // per draw, where its date ends
};

// A history read, or the first of its rows that is no draw of the game.
struct HistoryReading {
    HistoryDraws draws;
    std::string error;    // "Line 3 of the history: 50 is out of range: ..."
    bool stopped = false; // the monitor asked it to stop: the draws read so far
};

// The first draw of a history, written as a typed draw ("1 2 3 + 4",
// "GIANTS, JETS"): it tells lines read by their shape whether to look for
// teams and how many numbers make a second group. Empty when it holds none.
std::string historySample(std::string_view history);

// Reads every draw of a history for lines of the layout (for tickets, of
// those games). The history is a text or CSV file, one draw a line: a
// header line, when its first line holds no number, tells what each column
// holds (HistoryLayouts); without one, or with a header no vocabulary knows,
// a line is read by its shape, a leading date and draw number skipped.
// Fields are separated by "," ";" or tabs, may stand in quotes, and the
// numbers of one field by blanks or "|". When the lines have a second group
// and a row gives no "+" or second column, its last numbers are that group.
HistoryReading readHistory(std::string_view history, const LineLayout& layout, const GameTeams& teams,
                           WorkMonitor& monitor);
