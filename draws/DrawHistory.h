// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HistoryCount.h"
#include "NumberFrequencies.h"

#include <string>
#include <string_view>
#include <vector>

struct LastReport;
class WorkMonitor;

// One tier of a history check.
struct HistoryTier {
    std::string name;
    long long pairs = 0; // (line, draw) pairs that reached it
    long lines = 0;      // lines whose best tier it was
};

// How a text's lines did against every draw of a history.
struct HistoryResult {
    std::string error; // the lines or a draw cannot be checked
    std::size_t draws = 0;
    std::string stopped;            // what the counts cover when the check was stopped
    std::vector<HistoryTier> tiers; // from the best down: every tier, or those a pair reached
    std::size_t tiersLeftOut = 0;   // the tiers no pair reached, when not every tier is listed
    std::string unit = "line";      // "line" or "ticket"
    std::size_t bonusAfter = 0;     // the tier "K-1 of K" that the bonus line follows, when `bonus`
    bool bonus = false;             // the history has a bonus and the lines K numbers of one drum
    HistoryTier bonusTier;          // "5 of 6 + bonus": pairs and lines of K-1 and the bonus
    std::string bestDraws;          // " (rows 3 on 2026-11-25, 4 on 2026-11-28)": the best tier's draws
    std::string bestLines;          // " (lines 17, 803)": the lines whose best tier it is
    Frequencies frequencies;        // how often the history drew each number

    // "Draws read: 3000", then "M of K: P pairs" per tier, then
    // "best M of K: L lines" per tier, the best tier that holds anything
    // naming its draws and lines; or the error alone.
    std::vector<std::string> lines() const;
};

// Checks a text's lines (read as the draw check reads them) against a
// history of past draws (as readHistory reads them), counting every (line,
// draw) pair (countHistory). The monitor hears how far it is and may stop
// it: the result then says what its counts cover.
HistoryResult checkHistory(std::string_view text, std::string_view history, const LastReport* report,
                           WorkMonitor& monitor, Counting counting = Counting::Automatic);
HistoryResult checkHistory(std::string_view text, std::string_view history, const LastReport* report);
