// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineLayout.h"

#include "BiggestNumbers.h"
#include "Draw.h"
#include "LastReport.h"
#include "LottoGames.h"
#include "ReportLines.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

// The highest number a filtered game's line can hold for a biggest number.
long drawable(double biggest) { return static_cast<long>(drawableNumbers(biggest)); }

long whole(double value) { return static_cast<long>(value); }

LineLayout numbers(int count, long biggest, int secondCount = 0, long secondBiggest = 0)
{
    return {LineKind::Numbers, count, secondCount, biggest, secondBiggest, 0};
}

bool isDigitLine(std::string_view line)
{
    if (line.size() != 9 && line.size() != 12)
        return false;
    for (std::size_t i = 0; i < line.size(); i += 3)
        if (line[i] != ' ' || !std::isdigit(static_cast<unsigned char>(line[i + 1]))
            || line[i + 2] != ' ')
            return false;
    return true;
}

// Three numbers right-aligned in four columns, nothing after them.
bool isTrifectaLine(std::string_view line)
{
    if (line.size() != 12)
        return false;
    for (std::size_t i = 0; i < 12; i += 4)
        if (line[i] != ' ' || !std::isdigit(static_cast<unsigned char>(line[i + 3])))
            return false;
    return wordsOf(line).size() == 3;
}

bool isSpinLine(std::string_view line) { return line.find("D1&2") != std::string_view::npos; }

bool hasLetter(std::string_view line)
{
    for (char c : line)
        if (std::isalpha(static_cast<unsigned char>(c)))
            return true;
    return false;
}

bool isNumberLine(std::string_view line)
{
    const auto words = wordsOf(line);
    if (words.empty())
        return false;
    for (std::string_view word : words)
        if (wholeNumber(word) < 0)
            return false;
    return true;
}

// How many numbers at the end of a line of our own reports form a second
// group: the line's fields are all W columns wide but one, W + 1, whose
// number would have fit in W; 0 when the line shows no such group.
int secondGroupByColumns(std::string_view line)
{
    std::vector<std::size_t> widths;
    std::vector<std::size_t> digits;
    std::size_t start = 0;
    for (std::string_view word : wordsOf(line)) {
        const auto end = static_cast<std::size_t>(word.data() - line.data()) + word.size();
        widths.push_back(end - start);
        digits.push_back(word.size());
        start = end;
    }
    const std::size_t width = widths.empty() ? 0 : widths.front();
    std::size_t group = 0;
    for (std::size_t i = 1; i < widths.size(); ++i) {
        if (widths[i] == width + 1 && digits[i] < width && group == 0)
            group = i;
        else if (widths[i] != width)
            return 0;
    }
    return group == 0 ? 0 : static_cast<int>(widths.size() - group);
}

// The games of a ticket report, told by its line of 9 × (games + 1) dashes;
// 0 when the text holds no such line.
int ticketGames(const std::vector<std::string_view>& lines)
{
    for (std::string_view line : lines)
        if (line.size() >= 18 && line.size() % 9 == 0 && line.find_first_not_of('-') == std::string_view::npos)
            return static_cast<int>(line.size() / 9) - 1;
    return 0;
}

} // namespace

LineLayout layoutOfReport(const LastReport& report)
{
    const std::vector<double> v = report.numbers();
    const auto value = [&](std::size_t i) { return i < v.size() ? v[i] : 0.0; };
    const std::string& b = report.button;
    if (b == "Pick5" || b == "Pick6" || b == "Pick7")
        return numbers(b.back() - '0', drawable(value(0)));
    if (b == "Keno") {
        LineLayout keno = numbers(kKeno.numbers, whole(kKenoBiggestNumber));
        keno.drawnFirst = kKenoDrawn;
        return keno;
    }
    if (b == "Power51" || b == "Power61")
        return numbers(b == "Power51" ? 5 : 6, drawable(value(0)), 1, drawable(value(1)));
    if (b == "EuroCombs")
        return numbers(kEuroMainNumbers, drawable(value(0)), kEuroSecondNumbers, drawable(value(1)));
    if (b == "AnyLotto")
        return numbers(static_cast<int>(value(1)), whole(value(0)));
    if (b == "PowerOdds")
        return numbers(static_cast<int>(value(1)), whole(value(0)), 1, whole(value(2)));
    if (b == "EuroOdds")
        return numbers(static_cast<int>(value(1)), whole(value(0)), static_cast<int>(value(3)),
                       whole(value(2)));
    if (b == "Wheel") // pool, K, T, M, then the game: its biggest number first
        return numbers(static_cast<int>(value(1)), whole(value(4)));
    if (b == "Pick3" || b == "Pick4")
        return {LineKind::Digits, b.back() - '0', 0, 9, 0, 0};
    if (b == "Horses")
        return {LineKind::Horses, 3, 0, static_cast<long>(std::ceil(value(0))), 0, 0};
    if (b == "USBet")
        return {LineKind::Teams, static_cast<int>(value(0)), 0, 2, 0, 0};
    if (b == "Roulette")
        return {LineKind::Pockets, 1, 0, 37, 0, 0};
    return {};
}

LineLayout layoutByShape(std::string_view text, std::string_view draw)
{
    const std::vector<std::string_view> lines = splitLines(text);
    const bool drawNamesTeams = namesTeams(draw);
    const int drawSecond = secondGroupSize(draw);
    // With no draw to tell, tickets are text of names that a dash line ends.
    if (draw.empty()) {
        const auto first = std::find_if(lines.begin(), lines.end(),
                                        [](std::string_view line) { return !wordsOf(line).empty(); });
        const int games = ticketGames(lines);
        if (games > 0 && first != lines.end() && hasLetter(*first) && !isSpinLine(*first))
            return {LineKind::Teams, games, 0, 0, 0, 0};
    }
    for (std::string_view line : lines) {
        if (drawNamesTeams) {
            if (hasLetter(line) && !isSpinLine(line))
                return {LineKind::Teams, 0, 0, 0, 0, 0};
            continue;
        }
        if (isDigitLine(line))
            return {LineKind::Digits, static_cast<int>(line.size() / 3), 0, 0, 0, 0};
        if (isTrifectaLine(line))
            return {LineKind::Horses, 3, 0, 0, 0, 0};
        if (isSpinLine(line))
            return {LineKind::Pockets, 1, 0, 0, 0, 0};
        const auto count = static_cast<int>(wordsOf(line).size());
        const int second = draw.find('+') != std::string_view::npos ? drawSecond : secondGroupByColumns(line);
        if (isNumberLine(line) && count > second)
            return {LineKind::Numbers, count - second, second, 0, 0, 0};
    }
    return {};
}
