// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SequentialSelection.h"

#include <string>

class RandomSource;

// Any single-drum lotto or Keno game: the ballset's count of combinations.
std::string lottoOddsMessage(const Ballset& game);
// The message's details: every prize tier's count and odds.
std::string lottoOddsDetails(const Ballset& game);
std::string lottoOddsReport(const Ballset& game, RandomSource& random);
std::size_t lottoOddsLongestLine(const Ballset& game);
