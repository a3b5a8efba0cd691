// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClickContext.h"
#include "GameFile.h"

#include <string>
#include <vector>

class RandomSource;

// 100 tickets, one pick per game by a fair coin, each game's pick at column
// 10 × game − 9; then a line of 9 × (games + 1) dashes and the two tally
// lines: every first team, then every second team, with its count.
std::string ticketReport(const std::vector<Game>& games, RandomSource& random);

// The help text the pane shows while the user chooses a game file.
const char* gameFileHelp();

void USBet_Click(ClickContext& click);
