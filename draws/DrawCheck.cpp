#include "DrawCheck.h"

#include "ExactCount.h"
#include "LastReport.h"
#include "PrizeTiers.h"

#include <algorithm>
#include <tuple>

namespace {

constexpr std::size_t kMostLineNumbers = 10;
const char* const kNoRouletteCheck = "Roulette spins have no draw to be checked against.";

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

void tallyNumbers(const std::vector<ReportLine>& plays, const Draw& draw, const LineLayout& layout,
                  CheckResult& result)
{
    const int k = layout.firstCount;
    const int kb = layout.secondCount;
    const TierGame game{{layout.firstBiggest, k}, kb > 0 ? std::optional<Drum>(Drum{0, kb}) : std::nullopt};
    for (int m = k; m >= 0; --m)
        for (int b = kb; b >= 0; --b)
            result.tiers.push_back({tierName(game, {m, b}), {}});
    const DrawnSet first(draw.first);
    const DrawnSet second(draw.second);
    for (const ReportLine& play : plays) {
        const int m = first.matches(play.first);
        const int b = second.matches(play.second);
        result.tiers[static_cast<std::size_t>((k - m) * (kb + 1) + (kb - b))].lineNumbers.push_back(
            play.lineNumber);
    }
}

void tallyOrder(const std::vector<ReportLine>& plays, const Draw& draw, CheckResult& result)
{
    result.tiers = {{"in order", {}}, {"in any order", {}}};
    std::vector<int> sortedDraw = draw.first;
    std::sort(sortedDraw.begin(), sortedDraw.end());
    for (const ReportLine& play : plays) {
        if (play.first == draw.first)
            result.tiers[0].lineNumbers.push_back(play.lineNumber);
        std::vector<int> sorted = play.first;
        std::sort(sorted.begin(), sorted.end());
        if (sorted == sortedDraw)
            result.tiers[1].lineNumbers.push_back(play.lineNumber);
    }
}

void tallyTeams(const std::vector<ReportLine>& plays, const Draw& draw, CheckResult& result)
{
    const auto games = static_cast<int>(draw.teams.size());
    for (int m = games; m >= 0; --m)
        result.tiers.push_back({std::to_string(m) + " of " + std::to_string(games) + " right", {}});
    for (const ReportLine& play : plays) {
        int right = 0;
        for (std::size_t y = 0; y < draw.teams.size() && y < play.teams.size(); ++y)
            right += play.teams[y] == draw.teams[y];
        result.tiers[static_cast<std::size_t>(games - right)].lineNumbers.push_back(play.lineNumber);
    }
}

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

CheckResult tallyDraw(const std::vector<ReportLine>& plays, const Draw& draw,
                      const LineLayout& layout)
{
    CheckResult result;
    result.draw = draw.text();
    switch (layout.kind) {
    case LineKind::Numbers:
        tallyNumbers(plays, draw, layout, result);
        break;
    case LineKind::Digits:
    case LineKind::Horses:
        tallyOrder(plays, draw, result);
        break;
    case LineKind::Teams:
        result.unit = "ticket";
        tallyTeams(plays, draw, result);
        break;
    case LineKind::Pockets:
        result.error = kNoRouletteCheck;
        return result;
    }
    if (const auto total = jackpotTotal(layout); total && !plays.empty())
        result.jackpot = jackpotLine(*total, distinctPlays(plays), result.unit);
    return result;
}

CheckResult checkDraw(std::string_view text, std::string_view drawText, const LastReport* report)
{
    LineLayout layout = report ? layoutOfReport(*report) : LineLayout{};
    if (!layout.gameKnown())
        layout = layoutByShape(text, namesTeams(drawText), secondGroupSize(drawText));
    const std::vector<ReportLine> plays = readReportLines(text, layout);
    CheckResult result;
    if (plays.empty()) {
        result.error = "The pane holds no lines to check.";
        return result;
    }
    if (layout.kind == LineKind::Pockets) {
        result.error = kNoRouletteCheck;
        return result;
    }
    // Loaded tickets tell their games by the widest one (blank games at the end
    // leave a ticket short).
    if (layout.kind == LineKind::Teams && layout.firstCount == 0)
        for (const ReportLine& play : plays)
            layout.firstCount = std::max(layout.firstCount, static_cast<int>(play.teams.size()));
    const DrawReading reading = readDraw(drawText, layout);
    if (!reading.draw) {
        result.error = reading.error;
        return result;
    }
    return tallyDraw(plays, *reading.draw, layout);
}
