// SPDX-License-Identifier: GPL-3.0-or-later
#include "WheelPool.h"

#include "DrawCheck.h"
#include "NumberFrequencies.h"
#include "PoolSet.h"
#include "ReportLines.h"

#include <algorithm>

namespace {

std::string quoted(std::string_view word) { return "\"" + std::string(word) + "\""; }

} // namespace

PoolReading readPool(std::string_view text)
{
    PoolReading reading;
    const auto words = wordsOf(text, " \t,;");
    if (words.empty()) {
        reading.error = "Give the numbers to wheel, as 1-20 or 3 7 11 19.";
        return reading;
    }
    for (std::string_view word : words) {
        const auto dash = word.find('-', 1);
        const int from = wholeNumber(word.substr(0, dash));
        const int to = dash == std::string_view::npos ? from : wholeNumber(word.substr(dash + 1));
        if (from < 0 || to < 0) {
            reading.error = quoted(word) + " is neither a number nor a range like 1-20.";
            return reading;
        }
        if (from == 0) {
            reading.error = "The numbers start at 1; the pool holds 0.";
            return reading;
        }
        if (to < from) {
            reading.error = "The range " + quoted(word) + " runs backwards.";
            return reading;
        }
        if (to - from >= kMostPoolNumbers || reading.numbers.size() + static_cast<std::size_t>(to - from) >= kMostPoolNumbers) {
            reading.error = "A pool holds at most " + std::to_string(kMostPoolNumbers) + " numbers.";
            return reading;
        }
        for (int number = from; number <= to; ++number)
            reading.numbers.push_back(number);
    }
    std::sort(reading.numbers.begin(), reading.numbers.end());
    const auto repeat = std::adjacent_find(reading.numbers.begin(), reading.numbers.end());
    if (repeat != reading.numbers.end()) {
        reading.error = "The pool holds " + std::to_string(*repeat) + " twice.";
        reading.numbers.clear();
    }
    return reading;
}

std::string poolText(const std::vector<int>& numbers)
{
    std::string text;
    for (std::size_t i = 0; i < numbers.size();) {
        std::size_t end = i;
        while (end + 1 < numbers.size() && numbers[end + 1] == numbers[end] + 1)
            ++end;
        if (!text.empty())
            text += ' ';
        if (end >= i + 2) {
            text += std::to_string(numbers[i]) + "-" + std::to_string(numbers[end]);
            i = end + 1;
        } else {
            text += std::to_string(numbers[i]);
            ++i;
        }
    }
    return text;
}

std::vector<int> numbersOfLines(std::string_view paneText, const LastReport* report)
{
    std::vector<int> numbers;
    const PaneLines lines = readPaneLines(paneText, {}, report);
    if (lines.layout.kind != LineKind::Numbers)
        return numbers;
    for (const ReportLine& play : lines.plays)
        numbers.insert(numbers.end(), play.first.begin(), play.first.end());
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

std::vector<int> frequentNumbers(std::string_view paneText, const LastReport* report, int count, bool most)
{
    const Frequencies frequencies = numberFrequencies(paneText, report);
    // Digits, pockets and horses are no lotto numbers.
    if (!frequencies.error.empty() || frequencies.groups.empty() || frequencies.groups.front().name != "first")
        return {};
    std::vector<FrequencyBar> bars = frequencies.groups.front().bars;
    std::stable_sort(bars.begin(), bars.end(), [most](const FrequencyBar& a, const FrequencyBar& b) {
        return most ? a.count > b.count : a.count < b.count;
    });
    std::vector<int> numbers;
    for (std::size_t i = 0; i < bars.size() && static_cast<int>(i) < count; ++i)
        numbers.push_back(wholeNumber(bars[i].value));
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}
