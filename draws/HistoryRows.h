// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Draw.h"
#include "HistoryLayouts.h"
#include "LineLayout.h"

#include <string>
#include <string_view>
#include <vector>

// The rows of a history file, as readHistory reads them: how the file is
// laid out, and each row's numbers, date and bonus.

// How a history file is laid out.
struct FileShape {
    std::vector<std::string_view> lines;
    std::size_t header = 0;          // the first line that is not blank
    bool hasHeader = false;
    char separator = 0;              // 0: blanks
    std::vector<ColumnRole> roles;   // per column; none: rows read by their shape
};

FileShape shapeOf(std::string_view history);

// One row: its numbers, the first `firstEnd` of the first drum; for
// tickets its text as a typed draw; its date and bonus.
struct RowDraw {
    std::string text;
    std::size_t firstEnd = 0;
    std::string date;
    std::string_view bonus;
    // Scratch room, kept from row to row.
    std::vector<std::string_view> fields;
    std::vector<std::string_view> mains;
    std::vector<std::string_view> seconds;
};

// Reads a row by its header's columns, or by its shape when the file has no
// header a vocabulary knows (or the row does not hold the header's fields).
void readRow(std::string_view line, const FileShape& shape, const LineLayout& layout, RowDraw& row);
// The row's numbers as a typed draw: "3 11 19 27 38 + 7".
const std::string& typedDraw(RowDraw& row);
// A row of numbers that fit the lines, read without writing it as a typed
// draw first: most rows of a big history. False for any other row, which
// readDraw then reads and says what is wrong with.
bool quickDraw(const RowDraw& row, const LineLayout& layout, Draw& draw);

bool isBlankLine(std::string_view line);
// Whether a line is no draw: it holds no number, or names no team of the
// games (a header, a title).
bool isNoDraw(std::string_view line, const LineLayout& layout, const GameTeams& teams);
