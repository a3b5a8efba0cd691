// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

struct LastReport;

// A report as CSV, or why the text is none.
struct CsvReport {
    std::string error; // set when the text holds no report lines
    std::string text;
};

// The text's report lines, read as the draw check reads them, as CSV rows
// under a header: n1...nK, then pb for a PowerBall or s1...sKB for a second
// ballset; d1...dD for digits; h1, h2, h3 for a trifecta; a roulette spin's
// pocket and bets as its line names them; one column per game for tickets.
CsvReport reportCsv(std::string_view text, const LastReport* report);
