// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SequentialSelection.h"

#include <cstdint>
#include <string>

class RandomSource;

// A PowerBall game: the regular numbers of one ballset plus one PowerBall
// from 1 to biggestPowerBall, drawn on its own.
struct PowerOddsGame {
    Ballset regular;
    std::int16_t biggestPowerBall;
};

std::string powerOddsMessage(const PowerOddsGame& game);
// Its details: every tier, the PowerBall being 1 of the biggest PowerBall.
std::string powerOddsDetails(const PowerOddsGame& game);
std::string powerOddsReport(const PowerOddsGame& game, RandomSource& random);
std::size_t powerOddsLongestLine(const PowerOddsGame& game);
