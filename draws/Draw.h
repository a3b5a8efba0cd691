#pragma once

#include "LineLayout.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A draw as the user typed it: the numbers of each drum (digits, horses in
// finishing order), or the winning team of each game.
struct Draw {
    std::vector<int> first;
    std::vector<int> second;
    std::vector<std::string> teams; // as the tickets write them

    // The draw as read: "3 11 19 27 38 + 7", "GIANTS, 49ERS, JETS".
    std::string text() const;
};

// A draw, or what is wrong with it.
struct DrawReading {
    std::optional<Draw> draw;
    std::string error;
};

// Reads a typed draw for lines of the layout: numbers separated by commas or
// blanks, "+" before a second drum's numbers; digits may also stand
// together ("370"); team names are separated by commas, or by blanks when
// there is no comma. Says what is wrong when the draw does not fit: a word
// that is not a number, a number out of range, one drawn twice, the wrong
// count.
DrawReading readDraw(std::string_view text, const LineLayout& layout);

// How many numbers a typed draw gives after its "+" (0 without one), and
// whether it names teams: what reading text by its shape needs to know.
int secondGroupSize(std::string_view text);
bool namesTeams(std::string_view text);
