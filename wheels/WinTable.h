// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PrizeTiers.h"
#include "WheelShape.h"

#include <gmpxx.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// What a set of tickets wins in one draw of a game, each tier next to the
// same for as many tickets drawn at random. The tickets hold numbers of the
// first drum only; where the game has a second drum, every ticket plays
// the same numbers of it.
struct WinTier {
    Tier tier;
    // Exact chances that at least one ticket wins exactly this tier; no
    // wheel chance when counting every draw would take too long.
    std::optional<mpq_class> wheelChance;
    mpq_class randomChance;
    // Winning tickets expected: the same for any tickets, random or not.
    mpq_class expected;
};

struct WinTable {
    TierGame game;
    std::size_t tickets = 0;
    std::size_t numbers = 0;                // on the tickets
    std::vector<WinTier> tiers;          // from the jackpot down
    std::vector<mpq_class> drawnInPool;  // the chance that j of the drawn numbers are among the tickets' numbers
    bool counted = true;                 // the wheel's chances were counted
};

// The most steps the count of a wheel's chances may take (some seconds).
constexpr std::uint64_t kMostWinSteps = 3'000'000'000;

// The table for tickets of `numbers` (the numbers the positions stand for,
// ascending, all from 1 to the game's biggest). The chance of a wheel tier
// sums, over every set of j numbers among the tickets' that the draw can
// hit, the draws that hit that set and no other of them (hypergeometric):
// C(N - U, K - j) of C(N, K), U numbers on the tickets. `stop` (asked every
// few thousand steps) leaves the wheel's chances uncounted.
WinTable winTable(const TierGame& game, const std::vector<int>& numbers, const Tickets& tickets,
                  const std::function<bool()>& stop = {});

// A chance or count to four significant digits: "0.1234", "18.39", "7654",
// "1.234E-07" below 0.0001; "0" for nothing.
std::string significantText(const mpq_class& value);

// The table in lines: per tier "6 of 6: 1.430E-06 (random tickets 1.430E-06)";
// the details add the expected winning tickets and the chance of each count
// of drawn numbers among the tickets' numbers.
std::string winSummary(const WinTable& table);
std::string winDetails(const WinTable& table);
