// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportLines.h"

#include <algorithm>

namespace {

// A ticket's teams stand in columns of ten, the game y's at 10 y - 9.
constexpr std::size_t kTicketColumn = 10;

bool isDashLine(std::string_view line)
{
    return !line.empty() && line.find_first_not_of('-') == std::string_view::npos;
}

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool startsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

// The line cut into columns of ten characters (UTF-8 characters, not bytes:
// the print statement counts a column per character).
std::vector<std::string_view> ticketColumns(std::string_view line)
{
    std::vector<std::string_view> columns;
    std::size_t start = 0;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (!startsCharacter(line[i]))
            continue;
        if (characters == kTicketColumn) {
            columns.push_back(line.substr(start, i - start));
            start = i;
            characters = 0;
        }
        ++characters;
    }
    if (start < line.size())
        columns.push_back(line.substr(start));
    return columns;
}

std::vector<std::string> ticketTeams(std::string_view line, int games)
{
    std::vector<std::string> teams;
    for (std::string_view column : ticketColumns(line))
        teams.emplace_back(trimmed(column));
    if (games > 0)
        teams.resize(static_cast<std::size_t>(games));
    return teams;
}

// A tally column's team: "GIANTS 52 " without its count.
std::string_view tallyTeam(std::string_view column)
{
    const std::string_view cell = trimmed(column);
    const auto blank = cell.find_last_of(' ');
    if (blank == std::string_view::npos || wholeNumber(cell.substr(blank + 1)) < 0)
        return {};
    return trimmed(cell.substr(0, blank));
}

void addTeam(std::vector<std::string>& names, std::string_view team)
{
    if (!team.empty() && std::find(names.begin(), names.end(), team) == names.end())
        names.emplace_back(team);
}

// The pocket of a spin line: "  7", " 00" standing for 37.
int pocketOf(std::string_view line)
{
    const auto words = wordsOf(line);
    if (words.empty())
        return -1;
    return words.front() == "00" ? 37 : wholeNumber(words.front());
}

bool readNumbers(std::string_view line, const LineLayout& layout, ReportLine& play)
{
    std::vector<int>& numbers = play.first;
    numbers.reserve(static_cast<std::size_t>(layout.firstCount + layout.secondCount));
    std::size_t at = 0;
    while ((at = line.find_first_not_of(" \t", at)) != std::string_view::npos) {
        const auto end = std::min(line.find_first_of(" \t", at), line.size());
        const int number = wholeNumber(line.substr(at, end - at));
        if (number < 0)
            return false;
        numbers.push_back(number);
        at = end;
    }
    const auto expected = static_cast<std::size_t>(layout.firstCount + layout.secondCount);
    if (numbers.empty() || (layout.firstCount > 0 && numbers.size() != expected))
        return false;
    play.second.assign(numbers.end() - layout.secondCount, numbers.end());
    numbers.resize(numbers.size() - static_cast<std::size_t>(layout.secondCount));
    return true;
}

} // namespace

namespace {

// Calls use(line) for each of the text's lines, without its line end.
template <typename Use>
void eachLine(std::string_view text, Use use)
{
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.remove_prefix(3);
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        use(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
}

} // namespace

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    eachLine(text, [&lines](std::string_view line) { lines.push_back(line); });
    return lines;
}

std::vector<std::string_view> wordsOf(std::string_view line, const char* separators)
{
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while ((at = line.find_first_not_of(separators, at)) != std::string_view::npos) {
        const auto end = std::min(line.find_first_of(separators, at), line.size());
        words.push_back(line.substr(at, end - at));
        at = end;
    }
    return words;
}

std::string plural(std::size_t count, const std::string& word)
{
    return std::to_string(count) + " " + word + (count == 1 ? "" : "s");
}

int wholeNumber(std::string_view word)
{
    if (word.empty() || word.size() > 9)
        return -1;
    int value = 0;
    for (char c : word) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::vector<ReportLine> readReportLines(std::string_view text, const LineLayout& layout)
{
    std::vector<ReportLine> plays;
    plays.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    int lineNumber = 0;
    bool ended = false;
    eachLine(text, [&](std::string_view line) {
        ++lineNumber;
        // The tickets end where the dash line before the tallies starts.
        ended = ended || (layout.kind == LineKind::Teams && isDashLine(line));
        if (ended)
            return;
        ReportLine play{lineNumber, {}, {}, {}};
        if (layout.kind == LineKind::Teams) {
            if (trimmed(line).empty())
                return;
            play.teams = ticketTeams(line, layout.firstCount);
        } else if (layout.kind == LineKind::Pockets) {
            const int pocket = line.find("D1&2") == std::string_view::npos ? -1 : pocketOf(line);
            if (pocket < 0)
                return;
            play.first.push_back(pocket);
        } else if (!readNumbers(line, layout, play)) {
            return;
        }
        plays.push_back(std::move(play));
    });
    return plays;
}

GameTeams gameTeams(std::string_view text, const std::vector<ReportLine>& tickets, int games)
{
    GameTeams teams(static_cast<std::size_t>(std::max(games, 0)));
    for (const ReportLine& ticket : tickets)
        for (std::size_t y = 0; y < teams.size() && y < ticket.teams.size(); ++y)
            addTeam(teams[y], ticket.teams[y]);
    // A team no ticket picked still stands in the tally lines.
    const std::vector<std::string_view> lines = splitLines(text);
    const auto dashes = std::find_if(lines.begin(), lines.end(), isDashLine);
    for (auto tally = dashes; tally != lines.end() && ++tally != lines.end() && tally - dashes <= 2;) {
        const auto columns = ticketColumns(*tally);
        for (std::size_t y = 0; y < teams.size() && y < columns.size(); ++y)
            addTeam(teams[y], tallyTeam(columns[y]));
    }
    return teams;
}
