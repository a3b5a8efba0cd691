#include "DrawCheck.h"

#include "ExactCount.h"
#include "LastReport.h"
#include "PrizeTiers.h"

#include <algorithm>
#include <tuple>

namespace {

constexpr std::size_t kMostLineNumbers = 10;
const char* const kNoRouletteCheck = "Roulette spins have no draw to be checked against.";
const char* const kNoLines = "The pane holds no lines to check.";

// Which numbers a drum drew, for counting a line's matches at a glance.
class DrawnSet {
public:
    explicit DrawnSet(const std::vector<int>& drawn)
    {
        for (int number : drawn) {
            if (static_cast<std::size_t>(number) >= marks_.size())
                marks_.resize(static_cast<std::size_t>(number) + 1, false);
            marks_[static_cast<std::size_t>(number)] = true;
        }
    }
    int matches(const std::vector<int>& numbers) const
    {
        int count = 0;
        for (int number : numbers)
            count += number >= 0 && static_cast<std::size_t>(number) < marks_.size()
                     && marks_[static_cast<std::size_t>(number)];
        return count;
    }

private:
    std::vector<bool> marks_;
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
        const std::size_t count = tiers[i].lineNumbers.size();
        std::string line = tiers[i].name + ": " + std::to_string(count) + " " + unit
                           + (count == 1 ? "" : "s");
        if (best == i) {
            line += count == 1 ? " (line " : " (lines ";
            for (std::size_t j = 0; j < count && j < kMostLineNumbers; ++j)
                line += (j > 0 ? ", " : "") + std::to_string(tiers[i].lineNumbers[j]);
            line += ")";
        }
        lines.push_back(std::move(line));
    }
    if (jackpot)
        lines.push_back(*jackpot);
    return lines;
}

TierScale tierScale(const Draw& draw, const LineLayout& layout)
{
    TierScale scale;
    switch (layout.kind) {
    case LineKind::Numbers: {
        const int k = layout.firstCount;
        const int kb = layout.secondCount;
        const TierGame game{{layout.firstBiggest, k},
                            kb > 0 ? std::optional<Drum>(Drum{0, kb}) : std::nullopt};
        for (int m = k; m >= 0; --m)
            for (int b = kb; b >= 0; --b)
                scale.names.push_back(tierName(game, {m, b}));
        break;
    }
    case LineKind::Digits:
    case LineKind::Horses:
        scale.names = {"in order", "in any order"};
        scale.nested = true;
        break;
    case LineKind::Teams: {
        const auto games = static_cast<int>(draw.teams.size());
        for (int m = games; m >= 0; --m)
            scale.names.push_back(std::to_string(m) + " of " + std::to_string(games) + " right");
        scale.unit = "ticket";
        break;
    }
    case LineKind::Pockets:
        break;
    }
    return scale;
}

void placePlays(const std::vector<ReportLine>& plays, const Draw& draw, const LineLayout& layout,
                std::vector<int>& places)
{
    places.assign(plays.size(), -1);
    switch (layout.kind) {
    case LineKind::Numbers: {
        const int k = layout.firstCount;
        const int kb = layout.secondCount;
        const DrawnSet first(draw.first);
        const DrawnSet second(draw.second);
        for (std::size_t i = 0; i < plays.size(); ++i)
            places[i] = (k - first.matches(plays[i].first)) * (kb + 1)
                        + (kb - second.matches(plays[i].second));
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
    case LineKind::Teams: {
        const auto games = static_cast<int>(draw.teams.size());
        for (std::size_t i = 0; i < plays.size(); ++i) {
            int right = 0;
            for (std::size_t y = 0; y < draw.teams.size() && y < plays[i].teams.size(); ++y)
                right += plays[i].teams[y] == draw.teams[y];
            places[i] = games - right;
        }
        break;
    }
    case LineKind::Pockets:
        break;
    }
}

CheckResult tallyDraw(const std::vector<ReportLine>& plays, const Draw& draw,
                      const LineLayout& layout)
{
    CheckResult result;
    result.draw = draw.text();
    if (layout.kind == LineKind::Pockets) {
        result.error = kNoRouletteCheck;
        return result;
    }
    const TierScale scale = tierScale(draw, layout);
    result.unit = scale.unit;
    for (const std::string& name : scale.names)
        result.tiers.push_back({name, {}});
    std::vector<int> places;
    placePlays(plays, draw, layout, places);
    for (std::size_t i = 0; i < plays.size(); ++i) {
        if (places[i] < 0)
            continue;
        const auto last = scale.nested ? result.tiers.size() : static_cast<std::size_t>(places[i]) + 1;
        for (auto t = static_cast<std::size_t>(places[i]); t < last; ++t)
            result.tiers[t].lineNumbers.push_back(plays[i].lineNumber);
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
        lines.layout = layoutByShape(text, namesTeams(drawText), secondGroupSize(drawText));
    lines.plays = readReportLines(text, lines.layout);
    if (lines.plays.empty())
        lines.error = kNoLines;
    // Loaded tickets tell their games by the widest one (blank games at the end
    // leave a ticket short).
    if (lines.layout.kind == LineKind::Teams && lines.layout.firstCount == 0)
        for (const ReportLine& play : lines.plays)
            lines.layout.firstCount = std::max(lines.layout.firstCount, static_cast<int>(play.teams.size()));
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
    const DrawReading reading = readDraw(drawText, lines.layout);
    if (!reading.draw) {
        result.error = reading.error;
        return result;
    }
    return tallyDraw(lines.plays, *reading.draw, lines.layout);
}
