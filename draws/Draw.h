// SPDX-License-Identifier: GPL-3.0-or-later
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
    int bonus = 0;                  // a history's bonus number, 0 for none

    // The draw as read: "3 11 19 27 38 + 7", "GIANTS, 49ERS, JETS".
    std::string text() const;
};

// A draw, or what is wrong with it.
struct DrawReading {
    std::optional<Draw> draw;
    std::string error;
};

// The teams each game of a ticket report can be won by, as the tickets
// write them; a game with no names takes any team.
using GameTeams = std::vector<std::vector<std::string>>;

// Reads a typed draw for lines of the layout: numbers separated by commas or
// blanks (tabs, line ends and no-break spaces count as blanks), "+" before a
// second drum's numbers; digits may also stand together ("370"); team names
// are separated by commas, or by blanks when there is no comma, one team of
// each game in the games' order. Says what is wrong when the draw does not
// fit: a word that is not a number, a number out of range (naming its drum),
// one drawn twice, the wrong count, a team that does not play in its game.
// Lines read by their shape take a draw of their own count, or a Keno draw
// of 20 numbers from 1 to 80.
DrawReading readDraw(std::string_view text, const LineLayout& layout, const GameTeams* teams = nullptr);

// Checks a bonus number against the draw's game: a number, in the first
// drum's range, not one of the draw's own numbers. The error, or nothing.
std::optional<std::string> setBonus(std::string_view word, const LineLayout& layout, Draw& draw);

// How many numbers a typed draw gives after its "+" (0 without one), and
// whether it names teams: what reading text by its shape needs to know.
int secondGroupSize(std::string_view text);
bool namesTeams(std::string_view text);
