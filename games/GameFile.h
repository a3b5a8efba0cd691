// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// One game of a game file: the two teams that meet, as the tickets name them.
struct Game {
    std::string firstTeam;
    std::string secondTeam;
};

// A team as the tickets write it: upper case, its first 6 characters.
// Works on UTF-8 characters, never splitting one.
std::string ticketName(std::string_view name);

// The first `count` games of a game file's text, two fields per game; a
// byte-order mark before them is skipped. A line without a comma shifts the
// games after it; the games past the end of the text keep empty names.
std::vector<Game> readGames(std::string_view text, int count);

// What tells the user that a game's two teams print alike on the tickets,
// one line per such game, naming the teams as the game file writes them;
// empty when every game's teams print apart.
std::string sameTicketNames(std::string_view text, int count);
