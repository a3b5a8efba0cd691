// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawCheck.h"

#include "ExactCount.h"
#include "LastReport.h"
#include "PrizeTiers.h"

#include <algorithm>
#include <tuple>

namespace {

const char* const kNoRouletteCheck = "Roulette spins have no draw to be checked against.";
const char* const kNoLines = "The pane holds no lines to check.";

// Which numbers a drum drew, sorted: a number is looked up without a table
// as big as the biggest number typed.
class DrawnSet {
public:
    explicit DrawnSet(std::vector<int> drawn) : sorted_(std::move(drawn)) { std::sort(sorted_.begin(), sorted_.end()); }
    int matches(const std::vector<int>& numbers) const
    {
        int count = 0;
        for (int number : numbers)
            count += std::binary_search(sorted_.begin(), sorted_.end(), number);
        return count;
    }

private:
    std::vector<int> sorted_;
};

// Every play of the game: what one line's jackpot odds are taken from.
std::optional<mpz_class> jackpotTotal(const LineLayout& layout)
{
    if (!layout.gameKnown())
        return std::nullopt;
    mpz_class total;
    switch (layout.kind) {
    case LineKind::Numbers: {
        // Keno's spots win together, so a jackpot is one line only where the
        // draw is a line.
        if (layout.firstDrawn() != layout.firstCount)
            return std::nullopt;
        TierGame game{{layout.firstBiggest, layout.firstCount}, std::nullopt};
        if (layout.secondCount > 0)
            game.second = Drum{layout.secondBiggest, layout.secondCount};
        if (!makesGame(game))
            return std::nullopt;
        return totalCombinations(game);
    }
    case LineKind::Digits:
        mpz_ui_pow_ui(total.get_mpz_t(), 10, static_cast<unsigned long>(layout.firstCount));
        return total;
    case LineKind::Horses:
        return mpz_class(layout.firstBiggest) * (layout.firstBiggest - 1) * (layout.firstBiggest - 2);
    case LineKind::Teams:
        mpz_ui_pow_ui(total.get_mpz_t(), 2, static_cast<unsigned long>(layout.firstCount));
        return total;
    case LineKind::Pockets:
        break;
    }
    return std::nullopt;
}

long distinctPlays(const std::vector<ReportLine>& plays)
{
    std::vector<const ReportLine*> sorted;
    for (const ReportLine& play : plays)
        sorted.push_back(&play);
    const auto key = [](const ReportLine* play) {
        return std::tie(play->first, play->second, play->teams);
    };
    std::sort(sorted.begin(), sorted.end(),
              [&](const ReportLine* a, const ReportLine* b) { return key(a) < key(b); });
    const auto end = std::unique(sorted.begin(), sorted.end(), [&](const ReportLine* a, const ReportLine* b) {
        return key(a) == key(b);
    });
    return static_cast<long>(end - sorted.begin());
}

} // namespace

std::optional<std::size_t> CheckResult::bestTier() const
{
    for (std::size_t i = 0; i < tiers.size(); ++i)
        if (!tiers[i].lineNumbers.empty())
            return i;
    return std::nullopt;
}

std::vector<std::string> CheckResult::lines() const
{
    if (!error.empty())
        return {error};
    std::vector<std::string> lines = {"Draw: " + draw};
    const auto best = bestTier();
    for (std::size_t i = 0; i < tiers.size(); ++i) {
        const std::vector<int>& numbers = tiers[i].lineNumbers;
        std::string line = tiers[i].name + ": " + plural(numbers.size(), unit);
        if (best == i) {
            std::vector<std::string> names;
            for (std::size_t j = 0; j < numbers.size() && j < kMostNamed; ++j)
                names.push_back(std::to_string(numbers[j]));
            line += namedList("line", names, numbers.size());
        }
        lines.push_back(std::move(line));
    }
    if (tiersLeftOut > 0)
        lines.push_back(leftOutTiers(tiersLeftOut, unit));
    if (jackpot)
        lines.push_back(*jackpot);
    return lines;
}

std::string namedList(const std::string& word, const std::vector<std::string>& names, std::size_t count)
{
    std::string text = " (" + word + (count == 1 ? " " : "s ");
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i > 0 ? ", " : "") + names[i];
    if (count > names.size())
        text += " and " + std::to_string(count - names.size()) + " more";
    return text + ")";
}

namespace {

// The place each play reaches against the draw in the draw's tier scale,
// -1 for none.
void placePlays(const std::vector<ReportLine>& plays, const Draw& draw, const LineLayout& layout,
                std::vector<long>& places)
{
    const TierScale scale(draw, layout);
    places.assign(plays.size(), -1);
    switch (layout.kind) {
    case LineKind::Numbers: {
        const DrawnSet first(draw.first);
        const DrawnSet second(draw.second);
        for (std::size_t i = 0; i < plays.size(); ++i)
            places[i] = static_cast<long>(scale.place(first.matches(plays[i].first), second.matches(plays[i].second)));
        break;
    }
    case LineKind::Digits:
    case LineKind::Horses: {
        std::vector<int> sortedDraw = draw.first;
        std::sort(sortedDraw.begin(), sortedDraw.end());
        std::vector<int> sorted;
        for (std::size_t i = 0; i < plays.size(); ++i) {
            sorted = plays[i].first;
            std::sort(sorted.begin(), sorted.end());
            if (plays[i].first == draw.first)
                places[i] = 0;
            else if (sorted == sortedDraw)
                places[i] = 1;
        }
        break;
    }
    case LineKind::Teams:
        for (std::size_t i = 0; i < plays.size(); ++i) {
            int right = 0;
            for (std::size_t y = 0; y < draw.teams.size() && y < plays[i].teams.size(); ++y)
                right += plays[i].teams[y] == draw.teams[y];
            places[i] = static_cast<long>(scale.ticketPlace(right));
        }
        break;
    case LineKind::Pockets:
        break;
    }
}

} // namespace

CheckResult tallyDraw(const std::vector<ReportLine>& plays, const Draw& draw,
                      const LineLayout& layout)
{
    CheckResult result;
    result.draw = draw.text();
    if (layout.kind == LineKind::Pockets) {
        result.error = kNoRouletteCheck;
        return result;
    }
    const TierScale scale(draw, layout);
    result.unit = scale.unit();
    std::vector<long> places;
    placePlays(plays, draw, layout, places);
    if (scale.listsEveryTier()) {
        for (std::size_t t = 0; t < scale.size(); ++t)
            result.tiers.push_back({scale.name(t), {}});
        for (std::size_t i = 0; i < plays.size(); ++i) {
            if (places[i] < 0)
                continue;
            const auto place = static_cast<std::size_t>(places[i]);
            const std::size_t last = scale.nested() ? result.tiers.size() : place + 1;
            for (std::size_t t = place; t < last; ++t)
                result.tiers[t].lineNumbers.push_back(plays[i].lineNumber);
        }
    } else {
        // Only the tiers the plays reached, from the best down.
        std::vector<std::size_t> order;
        for (std::size_t i = 0; i < plays.size(); ++i)
            if (places[i] >= 0)
                order.push_back(i);
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return places[a] < places[b]; });
        long listed = -1;
        for (std::size_t i : order) {
            if (places[i] != listed) {
                listed = places[i];
                result.tiers.push_back({scale.name(static_cast<std::size_t>(listed)), {}});
            }
            result.tiers.back().lineNumbers.push_back(plays[i].lineNumber);
        }
        result.tiersLeftOut = scale.size() - result.tiers.size();
    }
    if (const auto total = jackpotTotal(layout); total && !plays.empty())
        result.jackpot = jackpotLine(*total, distinctPlays(plays), result.unit);
    return result;
}

PaneLines readPaneLines(std::string_view text, std::string_view drawText, const LastReport* report)
{
    PaneLines lines;
    lines.layout = report ? layoutOfReport(*report) : LineLayout{};
    lines.reportLayout = lines.layout.gameKnown();
    if (!lines.reportLayout)
        lines.layout = layoutByShape(text, drawText);
    lines.plays = readReportLines(text, lines.layout);
    if (lines.plays.empty())
        lines.error = kNoLines;
    if (lines.layout.kind == LineKind::Teams) {
        // Loaded tickets without their dash line tell their games by the
        // widest one (blank games at the end leave a ticket short).
        if (lines.layout.firstCount == 0)
            for (const ReportLine& play : lines.plays)
                lines.layout.firstCount = std::max(lines.layout.firstCount, static_cast<int>(play.teams.size()));
        lines.teams = gameTeams(text, lines.plays, lines.layout.firstCount);
    }
    return lines;
}

std::string checkableError(const PaneLines& lines)
{
    if (!lines.error.empty())
        return lines.error;
    return lines.layout.kind == LineKind::Pockets ? kNoRouletteCheck : "";
}

CheckResult checkDraw(std::string_view text, std::string_view drawText, const LastReport* report)
{
    const PaneLines lines = readPaneLines(text, drawText, report);
    CheckResult result;
    result.error = checkableError(lines);
    if (!result.error.empty())
        return result;
    const DrawReading reading = readDraw(drawText, lines.layout, &lines.teams);
    if (!reading.draw) {
        result.error = reading.error;
        return result;
    }
    return tallyDraw(lines.plays, *reading.draw, lines.layout);
}
