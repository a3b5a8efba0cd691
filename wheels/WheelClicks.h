// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClickContext.h"
#include "WheelRequest.h"

#include <cstdint>
#include <string_view>

class Dialogs;
struct LastReport;

// How long a wheel is sought at most, on the clock; a search from a given
// seed (the runner's --seed, Run Again With This Seed) does a fixed amount
// of work instead, about as much on this machine, so that the seed finds
// the same wheel again.
constexpr double kWheelSeconds = 60;
constexpr std::uint64_t kWheelWork = 4'000'000'000;

// "Wheel Numbers" with prompts, as the runner asks: the pool, K, T, M (T
// when not given) and the game, whose K, T and biggest numbers Wheel.INI
// remembers. A request that cannot be wheeled is refused with a message.
void Wheel_Click(ClickContext& click);

// Finds, checks and shows the wheel of a request, asking nothing: the
// search runs as long work for at most `seconds`; a message tells what the
// wheel promises and wins (with the win table as its details), then the
// tickets replace the pane's text, one a line. Cancel keeps the smallest
// wheel found; the pane keeps its text when none was.
void makeWheel(ClickContext& click, const WheelRequest& request, double seconds = kWheelSeconds);

// The request Wheel.INI remembers, with the pool given, and remembering one.
WheelRequest rememberedRequest(Dialogs& dialogs);
void rememberRequest(Dialogs& dialogs, const WheelRequest& request);

// "Check a Wheel": whether the pane's lines (read as the draw check reads
// them) hold the request's guarantee for its pool, every M-set checked,
// and what they win; K is the lines' count of numbers. In a message.
void checkWheelLines(Dialogs& dialogs, std::string_view paneText, const LastReport* report,
                     const WheelRequest& request);
