// SPDX-License-Identifier: GPL-3.0-or-later
#include "WheelRequest.h"

#include "CountFormat.h"
#include "ReportLines.h"
#include "Subsets.h"
#include "UnitSpace.h"
#include "WheelBounds.h"
#include "WheelCheck.h"
#include "WheelConstructions.h"
#include "WheelFinder.h"

#include <algorithm>

namespace {

std::string count(std::uint64_t value) { return countText(static_cast<double>(value)); }

// Whether the finder can cover the T-sets it needs to: those of the pool,
// or for M > T those of the parts of some split.
bool findable(const WheelShape& shape)
{
    if (shape.guarantee == 1 || shape.pool == shape.ticket)
        return true;
    if (shape.drawn > shape.guarantee)
        for (const PoolSplit& split : pigeonholeSplits(shape))
            if (splitSearchable(split, shape.guarantee))
                return true;
    return binomial(shape.pool, shape.guarantee) <= kMostSearchUnits;
}

} // namespace

WheelShape WheelRequest::shape() const { return {static_cast<int>(pool.size()), ticket, guarantee, drawn}; }

GameReading readGame(std::string_view text, int k)
{
    GameReading reading;
    const auto plus = text.find('+');
    const auto first = wordsOf(text.substr(0, plus));
    const auto second = plus == std::string_view::npos ? std::vector<std::string_view>{} : wordsOf(text.substr(plus + 1));
    const int biggest = first.size() == 1 ? wholeNumber(first[0]) : -1;
    const int secondBiggest = second.empty() ? 0 : wholeNumber(second[0]);
    const int secondDrawn = second.size() == 2 ? wholeNumber(second[1]) : 1;
    if (biggest < 1 || (plus != std::string_view::npos && (second.empty() || second.size() > 2))
        || secondBiggest < 0 || secondDrawn < 1) {
        reading.error = "Give the game's biggest number, and a second drum's after \"+\": 49, 69 + 26 or 50 + 12 2.";
        return reading;
    }
    TierGame game{{biggest, k}, std::nullopt};
    if (plus != std::string_view::npos)
        game.second = Drum{secondBiggest, secondDrawn};
    if (!makesGame(game)) {
        reading.error = "A game of " + std::to_string(biggest) + " numbers cannot draw the " + std::to_string(k)
                        + " of a ticket, nor a drum more numbers than it holds.";
        return reading;
    }
    reading.game = game;
    return reading;
}

std::string gameAnswer(const TierGame& game)
{
    std::string text = std::to_string(game.first.biggest);
    if (game.second) {
        text += " + " + std::to_string(game.second->biggest);
        if (game.second->perLine != 1)
            text += " " + std::to_string(game.second->perLine);
    }
    return text;
}

std::string ticketSizeError(int k)
{
    if (k >= 1 && k <= kMostTicketNumbers)
        return {};
    return "A ticket holds from 1 to " + std::to_string(kMostTicketNumbers) + " numbers.";
}

std::string requestError(const WheelRequest& request)
{
    const WheelShape shape = request.shape();
    const std::string k = std::to_string(shape.ticket);
    const std::string t = std::to_string(shape.guarantee);
    if (const std::string error = ticketSizeError(shape.ticket); !error.empty())
        return error;
    if (shape.pool < shape.ticket)
        return "The pool holds " + std::to_string(shape.pool) + " numbers, fewer than the " + k + " of a ticket.";
    if (shape.guarantee < 1 || shape.guarantee > shape.ticket)
        return "A ticket of " + k + " numbers can hold from 1 to " + k + " drawn numbers, not " + t + ".";
    if (shape.drawn < shape.guarantee || shape.drawn > shape.ticket)
        return "The drawn numbers in the pool must count from " + t + " (the numbers a ticket is to hold) to " + k
               + " (all that are drawn), not " + std::to_string(shape.drawn) + ".";
    if (request.game.first.perLine != shape.ticket || !makesGame(request.game))
        return "The game must draw the " + k + " numbers of a ticket from at least as many.";
    if (request.pool.back() > request.game.first.biggest)
        return "The pool holds " + std::to_string(request.pool.back()) + ", above the game's biggest number "
               + std::to_string(request.game.first.biggest) + ".";
    const std::uint64_t least = wheelLowerBound(shape);
    if (least > kMostTickets)
        return "Such a wheel needs at least " + count(least) + " tickets, more than the " + count(kMostTickets)
               + " this program makes. Choose fewer numbers or a smaller guarantee.";
    if (!findable(shape))
        return "The pool's " + std::to_string(shape.pool) + " numbers hold " + count(binomial(shape.pool, shape.guarantee))
               + " sets of " + t + ", too many to search. Choose fewer numbers or a smaller guarantee.";
    return {};
}

std::string uncheckableNote(const WheelRequest& request)
{
    const WheelShape shape = request.shape();
    if (checkable(shape) && mostCheckSteps(shape) <= kCheckBudget)
        return {};
    return "The pool's " + std::to_string(shape.pool) + " numbers hold " + count(binomial(shape.pool, shape.drawn))
           + " sets of " + std::to_string(shape.drawn)
           + ", more than can surely be checked in a few seconds: the wheel may come without a proven guarantee.";
}
