// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawHistory.h"

#include "DrawCheck.h"
#include "LongWork.h"

#include <algorithm>
#include <map>

namespace {

const char* const kNoDraws = "The history holds no draws.";

// A draw with the history's number of games, for the tiers of tickets.
Draw scaleDraw(const HistoryDraws& draws)
{
    Draw draw;
    draw.teams.resize(static_cast<std::size_t>(draws.firstCount));
    return draw;
}

std::string drawsNamed(const HistoryDraws& draws, const std::vector<std::size_t>& reached)
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < reached.size() && i < kMostNamed; ++i) {
        const std::string_view date = draws.date(reached[i]);
        names.push_back(std::to_string(draws.rows[reached[i]]) + (date.empty() ? "" : " on " + std::string(date)));
    }
    return namedList("row", names, reached.size());
}

std::string linesNamed(const std::vector<ReportLine>& plays, const std::vector<long>& best, long place)
{
    std::vector<std::string> names;
    std::size_t count = 0;
    for (std::size_t i = 0; i < best.size(); ++i)
        if (best[i] == place && count++ < kMostNamed)
            names.push_back(std::to_string(plays[i].lineNumber));
    return namedList("line", names, count);
}

std::string stoppedLine(const HistoryCount& count, std::size_t lines, std::size_t draws)
{
    if (!count.stopped)
        return {};
    if (count.draws < draws)
        return "Stopped: the counts cover the first " + std::to_string(count.draws) + " of the " + plural(draws, "draw")
               + ".";
    return "Stopped: the counts cover the first " + std::to_string(count.lines) + " of the " + plural(lines, "line") + ".";
}

} // namespace

std::vector<std::string> HistoryResult::lines() const
{
    if (!error.empty())
        return {error};
    std::vector<std::string> lines = {"Draws read: " + std::to_string(draws)};
    if (!stopped.empty())
        lines.push_back(stopped);
    const auto best = std::find_if(tiers.begin(), tiers.end(), [](const HistoryTier& tier) { return tier.pairs > 0; });
    const auto section = [&](const std::string& prefix, const std::string& named, auto count, const std::string& word) {
        for (auto tier = tiers.begin(); tier != tiers.end(); ++tier) {
            lines.push_back(prefix + tier->name + ": " + plural(static_cast<std::size_t>(count(*tier)), word)
                            + (tier == best ? named : ""));
            if (bonus && static_cast<std::size_t>(tier - tiers.begin()) == bonusAfter)
                lines.push_back(prefix + bonusTier.name + ": " + plural(static_cast<std::size_t>(count(bonusTier)), word));
        }
        if (tiersLeftOut > 0)
            lines.push_back(prefix + leftOutTiers(tiersLeftOut, word));
    };
    section("", bestDraws, [](const HistoryTier& tier) { return tier.pairs; }, "pair");
    section("best ", bestLines, [](const HistoryTier& tier) { return tier.lines; }, unit);
    return lines;
}

HistoryResult checkHistory(std::string_view text, std::string_view history, const LastReport* report)
{
    UnwatchedWork unwatched;
    return checkHistory(text, history, report, unwatched);
}

HistoryResult checkHistory(std::string_view text, std::string_view history, const LastReport* report,
                           WorkMonitor& monitor, Counting counting)
{
    HistoryResult result;
    const PaneLines lines = readPaneLines(text, historySample(history), report);
    result.error = checkableError(lines);
    if (!result.error.empty())
        return result;
    const HistoryReading reading = readHistory(history, lines.layout, lines.teams, monitor);
    const HistoryDraws& draws = reading.draws;
    result.error = reading.stopped ? "The check was stopped while it read the history." : reading.error;
    if (result.error.empty() && draws.size() == 0)
        result.error = kNoDraws;
    if (!result.error.empty())
        return result;

    const TierScale scale(scaleDraw(draws), lines.layout);
    const HistoryCount count = countHistory(lines.plays, draws, lines.layout, scale, monitor, counting);
    result.draws = draws.size();
    result.unit = scale.unit();
    result.stopped = stoppedLine(count, lines.plays.size(), draws.size());
    std::map<long, long> bestLines;
    for (long place : count.best)
        if (place >= 0)
            ++bestLines[place];
    std::vector<std::size_t> listed;
    if (scale.listsEveryTier())
        for (std::size_t place = 0; place < scale.size(); ++place)
            listed.push_back(place);
    else
        listed = count.pairs.places();
    long long earlier = 0;
    for (std::size_t place : listed) {
        const auto found = bestLines.find(static_cast<long>(place));
        HistoryTier tier{scale.name(place), count.pairs.at(place), found == bestLines.end() ? 0 : found->second};
        // A play in order is a play in any order too.
        if (scale.nested())
            tier.pairs = earlier += tier.pairs;
        result.tiers.push_back(std::move(tier));
    }
    result.tiersLeftOut = scale.size() - listed.size();

    const LineLayout& layout = lines.layout;
    result.bonus = draws.bonus && layout.kind == LineKind::Numbers && layout.secondCount == 0
                   && layout.firstCount >= 2 && draws.firstCount == layout.firstCount && scale.listsEveryTier();
    if (result.bonus) {
        result.bonusAfter = scale.place(layout.firstCount - 1, 0);
        result.bonusTier = {result.tiers[result.bonusAfter].name + " + bonus", count.bonusPairs, 0};
        for (std::size_t i = 0; i < count.best.size(); ++i)
            result.bonusTier.lines += count.best[i] == static_cast<long>(result.bonusAfter) && count.bonusLines[i];
    }
    if (!bestLines.empty()) {
        result.bestDraws = drawsNamed(draws, count.bestDraws);
        result.bestLines = linesNamed(lines.plays, count.best, bestLines.begin()->first);
    }
    result.frequencies = drawFrequencies(draws, layout);
    return result;
}
