// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

// One drum of a game: perLine numbers drawn from 1 to biggest.
struct Drum {
    long biggest;
    long perLine;
};

// A game as its prize tiers see it: the numbers of one drum, and for the
// two-drum games those of a second one (a PowerBall is 1 of P).
struct TierGame {
    Drum first;
    std::optional<Drum> second;
};

// Whether the values make a game: every count and size above 0, no drum
// asked for more numbers than it holds.
bool makesGame(const TierGame& game);

// The tier names from the jackpot down: "6 of 6", ..., "0 of 6"; for two
// drums "5 of 5 + 1 of 1", "5 of 5 + 0 of 1", "4 of 5 + 1 of 1", ...
// With more than 20 numbers per line only the 21 best.
struct Tier {
    long first;  // numbers of the line's first group that were drawn
    long second; // and of its second group (0 for one drum)
};
std::vector<Tier> tiersOf(const TierGame& game);
std::string tierName(const TierGame& game, const Tier& tier);

// The tier table: "M of K: COUNT combinations, 1 in ODDS" per tier (with
// "+ B of KB" for two drums), COUNT exact, ODDS the total over COUNT with
// two decimals ("never" for a COUNT of 0); each line ends with "\n". Values
// that make no game give one line saying so.
std::string tierTable(const TierGame& game);
