#pragma once

#include <string>
#include <string_view>
#include <vector>

struct LastReport;

// How a text's lines did against every draw of a history.
struct HistoryResult {
    std::string error; // the lines or a draw cannot be checked
    std::size_t draws = 0;
    std::vector<std::string> tiers; // from the best down
    std::vector<long> pairs;        // per tier, the (line, draw) pairs that reached it
    std::vector<long> bestLines;    // per tier, the lines whose best tier it was
    std::string unit = "line";      // "line" or "ticket"

    // "Draws read: 3000", then "M of K: P pairs" per tier, then
    // "best M of K: L lines" per tier; or the error alone.
    std::vector<std::string> lines() const;
};

// Checks a text's lines (read as the draw check reads them) against a
// history of past draws, one a line in the form a typed draw takes. A
// leading date field ("2026-11-28", "28/11/2026") is skipped, and so is a
// first line that is no draw (a header); a two-drum draw may stand without
// its "+", as a CSV row of its numbers.
HistoryResult checkHistory(std::string_view text, std::string_view history, const LastReport* report);
