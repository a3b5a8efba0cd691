// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PrizeTiers.h"
#include "WheelShape.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The most numbers a ticket may hold, and the most tickets a wheel may have.
constexpr int kMostTicketNumbers = 20;
constexpr std::uint64_t kMostTickets = 100'000;

// What a wheel is asked for: the pool's numbers (ascending), K, T and M,
// and the game its chances are counted for.
struct WheelRequest {
    std::vector<int> pool;
    int ticket = 6;    // K
    int guarantee = 3; // T
    int drawn = 3;     // M
    TierGame game{{49, 6}, std::nullopt};

    WheelShape shape() const;
};

// The game as typed: its biggest number, and a second drum's after "+"
// ("49", "69 + 26"; "50 + 12 2" for two drawn of 12). Its first drum draws
// `k` numbers, as many as a ticket holds.
struct GameReading {
    std::optional<TierGame> game;
    std::string error;
};
GameReading readGame(std::string_view text, int k);
// The game as readGame takes it.
std::string gameAnswer(const TierGame& game);

// Why tickets of k numbers cannot be: empty when they can.
std::string ticketSizeError(int k);

// What keeps the request from being wheeled, in a sentence; empty when
// nothing does.
std::string requestError(const WheelRequest& request);

// Said before a search whose wheel may be too big to check every M-set:
// empty when the check will surely finish.
std::string uncheckableNote(const WheelRequest& request);
