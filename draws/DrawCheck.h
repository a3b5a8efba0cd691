// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Draw.h"
#include "ReportLines.h"
#include "TierScale.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct LastReport;

// How many plays fell in one prize tier, and which.
struct TierTally {
    std::string name;             // "4 of 6", "5 of 5 + 1 of 1", "in order", "3 of 5 right"
    std::vector<int> lineNumbers; // every play in the tier, by its line in the text
};

// The result of checking a text's plays against a draw.
struct CheckResult {
    std::string error;        // set when the draw does not fit or there is nothing to check
    std::string draw;         // the draw as read
    std::vector<TierTally> tiers; // from the best tier down: every tier, or those that hold a play
    std::size_t tiersLeftOut = 0; // the tiers that hold nothing, when not every tier is listed
    std::string unit = "line";    // "line" or "ticket"
    std::optional<std::string> jackpot; // the distinct lines' jackpot odds

    // The best tier that holds a play; nothing when none does.
    std::optional<std::size_t> bestTier() const;
    // The result's lines: the draw, one per tier ("4 of 6: 2 lines (lines
    // 17, 803)", the best non-empty tier naming at most ten lines and how
    // many more), a line for the tiers left out, the jackpot line; or the
    // error alone.
    std::vector<std::string> lines() const;
};

// " (lines 23, 35 and 7 more)": the first names of `count` things, at most
// ten, then how many more there are. The word is "line" or "row".
constexpr std::size_t kMostNamed = 10;
std::string namedList(const std::string& word, const std::vector<std::string>& names, std::size_t count);

// Tallies the plays against a draw in the tiers of the layout.
CheckResult tallyDraw(const std::vector<ReportLine>& plays, const Draw& draw,
                      const LineLayout& layout);

// The plays of a text as a check reads them: as the last report laid them
// out when the text is that report (`report` given), else by their shape,
// a typed draw telling whether to look for teams and a second group.
struct PaneLines {
    LineLayout layout;
    bool reportLayout = false; // laid out as the last report, not read by shape
    std::vector<ReportLine> plays;
    GameTeams teams; // for tickets: the teams each game can be won by
    std::string error; // "The pane holds no lines to check." when there are none
};
PaneLines readPaneLines(std::string_view text, std::string_view drawText, const LastReport* report);
// Why the lines cannot be checked against draws; empty when they can.
std::string checkableError(const PaneLines& lines);

// Checks a text against a typed draw: its lines are read as the last report
// laid them out when the text is that report (`report` given), else by
// their shape.
CheckResult checkDraw(std::string_view text, std::string_view drawText, const LastReport* report);
