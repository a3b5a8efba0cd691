// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WheelCheck.h"
#include "WheelRequest.h"

#include <string>
#include <vector>

struct FoundWheel;
struct WinTable;

// The tickets as report lines, as Lotto lines are written: the numbers
// ascending, each right-aligned in four characters, CR LF; the tickets in
// ascending order.
std::string ticketLines(const std::vector<int>& pool, const Tickets& tickets);

// What the check of tickets (or lines: `play` names them) proved of a
// request, in a sentence:
// "Proven: whenever 3 of the drawn numbers are among the pool's 20, a
// ticket holds at least 3 of them. Every 3-set of the pool was checked."
std::string verdictText(const WheelVerdict& verdict, const WheelRequest& request,
                        const std::vector<int>& pool, const char* play);

// The wheel's message: what it is, what it promises, how it was made and
// what it wins.
std::string wheelMessage(const WheelRequest& request, const FoundWheel& found, const WinTable& table);
