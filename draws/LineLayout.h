// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

struct LastReport;

// A Keno draw draws 20 numbers; a line holds fewer.
constexpr int kKenoDrawn = 20;

// What the numbers of a report line stand for.
enum class LineKind {
    Numbers, // lotto, Keno and the odds calculators: one or two groups
    Digits,  // Pick 3 and Pick 4, in order
    Horses,  // trifectas: first, second and third
    Teams,   // U.S. Bet tickets: one team per game
    Pockets, // roulette spins: one pocket, 37 standing for 00
};

// How a report lays out its lines, and what is known of its game. A count
// or range of 0 is not known (text loaded with Open or typed).
struct LineLayout {
    LineKind kind = LineKind::Numbers;
    int firstCount = 0;    // numbers (digits, horses, games) in a line's first group
    int secondCount = 0;   // numbers of the second group, the last ones of the line
    long firstBiggest = 0; // the first group's numbers run from 1 to this
    long secondBiggest = 0;
    int drawnFirst = 0;    // numbers the first drum draws (Keno 20), when not firstCount

    bool gameKnown() const { return firstBiggest > 0; }
    int firstDrawn() const { return drawnFirst > 0 ? drawnFirst : firstCount; }
};

// The layout of the last report's lines, from its button and values;
// kind Numbers with nothing known for a report of no game (Open, Edit).
LineLayout layoutOfReport(const LastReport& report);

// The layout of text loaded or typed, read from the shape of its first line
// that holds a play: a digit line, a trifecta, a roulette spin, a ticket of
// team names (when the draw names teams or, with no draw given, when a line
// of dashes ends the tickets), or numbers. The last numbers of a line form a
// second group when the draw gives that many after "+", or, for a draw
// without "+", when the line sets them off by one more blank (a PowerBall,
// Euro Millions' second ballset). Kind Numbers with firstCount 0 when no line
// holds a play.
LineLayout layoutByShape(std::string_view text, std::string_view draw);
