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

std::vector<std::string> ticketTeams(std::string_view line, int games)
{
    std::vector<std::string> teams;
    for (std::size_t at = 0; at < line.size(); at += kTicketColumn)
        teams.emplace_back(trimmed(line.substr(at, kTicketColumn)));
    if (games > 0)
        teams.resize(static_cast<std::size_t>(games));
    return teams;
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

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::vector<std::string_view> wordsOf(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while ((at = line.find_first_not_of(" \t", at)) != std::string_view::npos) {
        const auto end = std::min(line.find_first_of(" \t", at), line.size());
        words.push_back(line.substr(at, end - at));
        at = end;
    }
    return words;
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
    const std::vector<std::string_view> lines = splitLines(text);
    std::vector<ReportLine> plays;
    plays.reserve(lines.size());
    int lineNumber = 0;
    for (std::string_view line : lines) {
        ++lineNumber;
        ReportLine play{lineNumber, {}, {}, {}};
        if (layout.kind == LineKind::Teams) {
            // The tickets end where the dash line before the tallies starts.
            if (isDashLine(line))
                break;
            if (trimmed(line).empty())
                continue;
            play.teams = ticketTeams(line, layout.firstCount);
        } else if (layout.kind == LineKind::Pockets) {
            if (line.find("D1&2") == std::string_view::npos)
                continue;
            const int pocket = pocketOf(line);
            if (pocket < 0)
                continue;
            play.first.push_back(pocket);
        } else if (!readNumbers(line, layout, play)) {
            continue;
        }
        plays.push_back(std::move(play));
    }
    return plays;
}
