// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SequentialSelection.h"

#include <string>

class RandomSource;

// A game of two independent ballsets, such as Euro Millions 5/50 + 2/12.
struct EuroOddsGame {
    Ballset first;
    Ballset second;
};

std::string euroOddsMessage(const EuroOddsGame& game);
// Its details: every tier of the two ballsets.
std::string euroOddsDetails(const EuroOddsGame& game);
std::string euroOddsReport(const EuroOddsGame& game, RandomSource& random);
std::size_t euroOddsLongestLine(const EuroOddsGame& game);
