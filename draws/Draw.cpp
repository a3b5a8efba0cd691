// SPDX-License-Identifier: GPL-3.0-or-later
#include "Draw.h"

#include "GameFile.h"
#include "LottoGames.h"
#include "ReportLines.h"

#include <algorithm>
#include <cctype>
#include <unordered_set>

namespace {

std::string joined(const std::vector<int>& numbers)
{
    std::string text;
    for (int number : numbers)
        text += (text.empty() ? "" : " ") + std::to_string(number);
    return text;
}

std::string needed(int count) { return std::to_string(count) + (count == 1 ? " is needed." : " are needed."); }

// A pasted draw may hold line ends, tabs, no-break spaces (U+00A0, U+202F)
// and a byte-order mark between its words: all count as blanks, and so do
// commas between numbers.
std::string blanked(std::string_view text, bool commas)
{
    std::string spaced;
    spaced.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = text.substr(i);
        if (rest.rfind("\xC2\xA0", 0) == 0) {
            spaced += ' ';
            ++i;
        } else if (rest.rfind("\xE2\x80\xAF", 0) == 0 || rest.rfind("\xEF\xBB\xBF", 0) == 0) {
            spaced += ' ';
            i += 2;
        } else {
            const char c = text[i];
            spaced += c == '\r' || c == '\n' || c == '\t' || (commas && c == ',') ? ' ' : c;
        }
    }
    return spaced;
}

const char* groupWord(LineKind kind)
{
    switch (kind) {
    case LineKind::Digits: return "digit";
    case LineKind::Horses: return "horse";
    default: return "number";
    }
}

// What one group of a draw must hold.
struct GroupRule {
    LineKind kind;
    int count;
    long lowest;
    long biggest; // 0: no upper bound known
    bool distinct;
    std::string drum; // "", "first drum's ", "second drum's "
};

std::optional<std::string> readGroup(std::string_view text, const GroupRule& rule, std::vector<int>& numbers)
{
    const std::string spaced = blanked(text, true);
    const auto words = wordsOf(spaced);
    // Pick digits may be typed together: "370".
    if (rule.kind == LineKind::Digits && words.size() == 1 && rule.count > 1
        && words.front().size() == static_cast<std::size_t>(rule.count)) {
        for (char digit : words.front())
            numbers.push_back(std::isdigit(static_cast<unsigned char>(digit)) ? digit - '0' : -1);
        if (std::find(numbers.begin(), numbers.end(), -1) != numbers.end())
            return "\"" + std::string(words.front()) + "\" is not a number.";
    } else {
        numbers.reserve(words.size());
        for (std::string_view word : words) {
            const int number = wholeNumber(word);
            if (number < 0)
                return "\"" + std::string(word) + "\" is not a number.";
            numbers.push_back(number);
        }
    }
    for (int number : numbers)
        if (number < rule.lowest || (rule.biggest > 0 && number > rule.biggest))
            return std::to_string(number) + " is out of range: the " + rule.drum + groupWord(rule.kind)
                   + "s run from " + std::to_string(rule.lowest)
                   + (rule.biggest > 0 ? " to " + std::to_string(rule.biggest) : std::string(" up")) + ".";
    if (rule.distinct) {
        std::unordered_set<int> seen(numbers.size());
        for (int number : numbers)
            if (!seen.insert(number).second)
                return std::to_string(number) + " is drawn twice.";
    }
    if (numbers.size() != static_cast<std::size_t>(rule.count))
        return "The draw holds " + plural(numbers.size(), groupWord(rule.kind)) + " where " + needed(rule.count);
    return std::nullopt;
}

std::optional<std::string> teamError(const std::string& typed, const std::string& team, std::size_t game,
                                     const GameTeams& teams)
{
    if (game >= teams.size() || teams[game].empty())
        return std::nullopt;
    const std::vector<std::string>& names = teams[game];
    if (std::find(names.begin(), names.end(), team) != names.end())
        return std::nullopt;
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i)
        list += (i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + names[i];
    return "\"" + typed + "\" is not a team of game " + std::to_string(game + 1) + " (" + list + ").";
}

DrawReading readTeams(std::string_view text, const LineLayout& layout, const GameTeams* teams)
{
    Draw draw;
    const std::string spaced = blanked(text, false);
    const bool byComma = spaced.find(',') != std::string::npos;
    std::string_view rest = spaced;
    while (!rest.empty()) {
        const auto end = byComma ? rest.find(',') : rest.find(' ');
        const std::string_view field = rest.substr(0, end);
        const auto first = field.find_first_not_of(' ');
        if (first != std::string_view::npos) {
            const std::string typed(field.substr(first, field.find_last_not_of(' ') - first + 1));
            draw.teams.push_back(ticketName(typed));
            if (teams)
                if (auto error = teamError(typed, draw.teams.back(), draw.teams.size() - 1, *teams))
                    return {std::nullopt, *error};
        }
        if (end == std::string_view::npos)
            break;
        rest.remove_prefix(end + 1);
    }
    if (layout.firstCount > 0 && draw.teams.size() != static_cast<std::size_t>(layout.firstCount))
        return {std::nullopt, "The draw names " + plural(draw.teams.size(), "team") + " where "
                                  + plural(static_cast<std::size_t>(layout.firstCount), "game")
                                  + (layout.firstCount == 1 ? " is played." : " are played.")};
    if (draw.teams.empty())
        return {std::nullopt, "The draw names no team."};
    return {draw, {}};
}

// Lines read by their shape may be Keno spots: they take the 20 numbers of
// a Keno draw.
bool isKenoDraw(const LineLayout& layout, std::size_t numbers)
{
    return !layout.gameKnown() && layout.kind == LineKind::Numbers && layout.secondCount == 0
           && numbers == static_cast<std::size_t>(kKenoDrawn) && layout.firstCount < kKenoDrawn;
}

} // namespace

std::string Draw::text() const
{
    if (!teams.empty()) {
        std::string text;
        for (const std::string& team : teams)
            text += (text.empty() ? "" : ", ") + team;
        return text;
    }
    return joined(first) + (second.empty() ? "" : " + " + joined(second));
}

int secondGroupSize(std::string_view text)
{
    const auto plus = text.find('+');
    if (plus == std::string_view::npos)
        return 0;
    return static_cast<int>(wordsOf(blanked(text.substr(plus + 1), true)).size());
}

bool namesTeams(std::string_view text)
{
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; });
}

DrawReading readDraw(std::string_view text, const LineLayout& layout, const GameTeams* teams)
{
    if (layout.kind == LineKind::Teams)
        return readTeams(text, layout, teams);
    const auto plus = text.find('+');
    if (plus != std::string_view::npos && layout.secondCount == 0)
        return {std::nullopt, "The lines hold one group of numbers: the draw takes no \"+\"."};
    if (plus == std::string_view::npos && layout.secondCount > 0)
        return {std::nullopt, "The lines hold a second group of " + plural(static_cast<std::size_t>(layout.secondCount), "number")
                                  + ": give it after \"+\"."};
    // Lines read by their shape do not tell their range: numbers start at 1
    // (digits at 0).
    const bool digits = layout.kind == LineKind::Digits;
    const bool twoDrums = plus != std::string_view::npos;
    const std::string_view firstText = text.substr(0, plus);
    GroupRule first{layout.kind,     layout.firstDrawn(), digits ? 0 : 1, digits ? 9 : layout.firstBiggest,
                    !digits,         twoDrums ? "first drum's " : ""};
    if (isKenoDraw(layout, wordsOf(blanked(firstText, true)).size())) {
        first.count = kKenoDrawn;
        first.biggest = static_cast<long>(kKenoBiggestNumber);
    }
    Draw draw;
    if (auto error = readGroup(firstText, first, draw.first))
        return {std::nullopt, *error};
    if (twoDrums) {
        const GroupRule second{layout.kind, layout.secondCount, 1, layout.secondBiggest, true, "second drum's "};
        if (auto error = readGroup(text.substr(plus + 1), second, draw.second))
            return {std::nullopt, *error};
    }
    return {draw, {}};
}

std::optional<std::string> setBonus(std::string_view word, const LineLayout& layout, Draw& draw)
{
    const int bonus = wholeNumber(word);
    if (bonus < 0)
        return "\"" + std::string(word) + "\" is not a number.";
    if (bonus < 1 || (layout.firstBiggest > 0 && bonus > layout.firstBiggest))
        return std::to_string(bonus) + " is out of range: the bonus numbers run from 1"
               + (layout.firstBiggest > 0 ? " to " + std::to_string(layout.firstBiggest) : std::string(" up"))
               + ".";
    if (std::find(draw.first.begin(), draw.first.end(), bonus) != draw.first.end())
        return std::to_string(bonus) + " is drawn twice.";
    draw.bonus = bonus;
    return std::nullopt;
}
