#include "Draw.h"

#include "GameFile.h"
#include "ReportLines.h"

#include <algorithm>
#include <cctype>

namespace {

std::string joined(const std::vector<int>& numbers)
{
    std::string text;
    for (int number : numbers)
        text += (text.empty() ? "" : " ") + std::to_string(number);
    return text;
}

std::string plural(std::size_t count, const char* word)
{
    return std::to_string(count) + " " + word + (count == 1 ? "" : "s");
}

// Commas count as blanks between numbers.
std::vector<std::string_view> numberWords(std::string_view text, std::string& spaced)
{
    spaced.assign(text);
    std::replace(spaced.begin(), spaced.end(), ',', ' ');
    return wordsOf(spaced);
}

const char* groupWord(LineKind kind)
{
    switch (kind) {
    case LineKind::Digits: return "digit";
    case LineKind::Horses: return "horse";
    default: return "number";
    }
}

// The numbers of one group, checked against the group's count and range.
std::optional<std::string> readGroup(std::string_view text, LineKind kind, int count, long lowest,
                                     long biggest, bool distinct, std::vector<int>& numbers)
{
    std::string spaced;
    auto words = numberWords(text, spaced);
    // Pick digits may be typed together: "370".
    if (kind == LineKind::Digits && words.size() == 1 && count > 1
        && words.front().size() == static_cast<std::size_t>(count)) {
        for (char digit : words.front())
            numbers.push_back(std::isdigit(static_cast<unsigned char>(digit)) ? digit - '0' : -1);
        if (std::find(numbers.begin(), numbers.end(), -1) != numbers.end())
            return "\"" + std::string(words.front()) + "\" is not a number.";
    } else {
        for (std::string_view word : words) {
            const int number = wholeNumber(word);
            if (number < 0)
                return "\"" + std::string(word) + "\" is not a number.";
            numbers.push_back(number);
        }
    }
    for (int number : numbers)
        if (number < lowest || (biggest > 0 && number > biggest))
            return std::to_string(number) + " is out of range: the " + groupWord(kind)
                   + "s run from " + std::to_string(lowest)
                   + (biggest > 0 ? " to " + std::to_string(biggest) : std::string(" up")) + ".";
    if (distinct)
        for (std::size_t i = 0; i < numbers.size(); ++i)
            if (std::find(numbers.begin() + static_cast<long>(i) + 1, numbers.end(), numbers[i])
                != numbers.end())
                return std::to_string(numbers[i]) + " is drawn twice.";
    if (numbers.size() != static_cast<std::size_t>(count))
        return "The draw holds " + plural(numbers.size(), groupWord(kind)) + " where "
               + std::to_string(count) + " are needed.";
    return std::nullopt;
}

DrawReading readTeams(std::string_view text, const LineLayout& layout)
{
    Draw draw;
    const bool byComma = text.find(',') != std::string_view::npos;
    std::string_view rest = text;
    while (!rest.empty()) {
        const auto end = byComma ? rest.find(',') : rest.find_first_of(" \t");
        const std::string_view field = rest.substr(0, end);
        const auto first = field.find_first_not_of(" \t");
        if (first != std::string_view::npos)
            draw.teams.push_back(
                ticketName(field.substr(first, field.find_last_not_of(" \t") - first + 1)));
        if (end == std::string_view::npos)
            break;
        rest.remove_prefix(end + 1);
    }
    if (layout.firstCount > 0 && draw.teams.size() != static_cast<std::size_t>(layout.firstCount))
        return {std::nullopt, "The draw names " + plural(draw.teams.size(), "team") + " where "
                                  + std::to_string(layout.firstCount) + " games are played."};
    if (draw.teams.empty())
        return {std::nullopt, "The draw names no team."};
    return {draw, {}};
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
    std::string spaced;
    return static_cast<int>(numberWords(text.substr(plus + 1), spaced).size());
}

bool namesTeams(std::string_view text)
{
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; });
}

DrawReading readDraw(std::string_view text, const LineLayout& layout)
{
    if (layout.kind == LineKind::Teams)
        return readTeams(text, layout);
    const auto plus = text.find('+');
    if (plus != std::string_view::npos && layout.secondCount == 0)
        return {std::nullopt, "The lines hold one group of numbers: the draw takes no \"+\"."};
    if (plus == std::string_view::npos && layout.secondCount > 0)
        return {std::nullopt, "The lines hold a second group of " + plural(layout.secondCount, "number")
                                  + ": give it after \"+\"."};
    // Lines read by their shape do not tell their range: numbers start at 1
    // (digits at 0), and a draw may hold more numbers than a line (Keno).
    const bool digits = layout.kind == LineKind::Digits;
    const long lowest = digits ? 0 : 1;
    Draw draw;
    const std::string_view firstText = text.substr(0, plus);
    int firstCount = layout.firstDrawn();
    if (!layout.gameKnown() && layout.kind == LineKind::Numbers) {
        std::string spaced;
        firstCount = std::max(firstCount, static_cast<int>(numberWords(firstText, spaced).size()));
    }
    if (auto error = readGroup(firstText, layout.kind, firstCount, lowest,
                               digits ? 9 : layout.firstBiggest, !digits, draw.first))
        return {std::nullopt, *error};
    if (plus != std::string_view::npos) {
        if (auto error = readGroup(text.substr(plus + 1), layout.kind, layout.secondCount, 1,
                                   layout.secondBiggest, true, draw.second))
            return {std::nullopt, *error};
    }
    return {draw, {}};
}
