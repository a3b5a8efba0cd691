#include "NumberFrequencies.h"

#include "CsvText.h"
#include "DrawCheck.h"
#include "LastReport.h"

#include <algorithm>
#include <optional>

namespace {

const char* const kNoTeamCounts = "Tickets of teams hold no numbers to count.";
// The biggest number a game's values can give; typed lines may hold bigger
// numbers, which no chart could show a bar for each.
constexpr long kBiggestCounted = 32767;

// Bars for the values 1 to the largest of the lines' numbers and `biggest`.
std::optional<FrequencyGroup> countFromOne(std::string name, const std::vector<ReportLine>& plays,
                                           std::vector<int> ReportLine::*group, long biggest,
                                           int position = -1)
{
    long largest = biggest;
    for (const ReportLine& play : plays)
        for (int number : play.*group)
            largest = std::max<long>(largest, number);
    if (largest > kBiggestCounted)
        return std::nullopt;
    std::vector<long> counts(static_cast<std::size_t>(largest) + 1, 0);
    for (const ReportLine& play : plays) {
        const std::vector<int>& numbers = play.*group;
        if (position >= 0) {
            if (static_cast<std::size_t>(position) < numbers.size())
                ++counts[static_cast<std::size_t>(numbers[static_cast<std::size_t>(position)])];
        } else {
            for (int number : numbers)
                ++counts[static_cast<std::size_t>(number)];
        }
    }
    FrequencyGroup result{std::move(name), {}};
    for (long value = 1; value <= largest; ++value)
        result.bars.push_back({std::to_string(value), counts[static_cast<std::size_t>(value)]});
    return result;
}

FrequencyGroup digitsAt(int position, const std::vector<ReportLine>& plays)
{
    FrequencyGroup group{"position " + std::to_string(position + 1), {}};
    for (int digit = 0; digit <= 9; ++digit)
        group.bars.push_back({std::to_string(digit), 0});
    for (const ReportLine& play : plays) {
        // Typed lines may hold a number where a digit belongs.
        const auto at = static_cast<std::size_t>(position);
        if (at < play.first.size() && play.first[at] <= 9)
            ++group.bars[static_cast<std::size_t>(play.first[at])].count;
    }
    return group;
}

// The wheel's pockets as the table lists them: 0, 00, then 1 to 36; 37
// stands for 00 in a spin.
FrequencyGroup pockets(const std::vector<ReportLine>& plays)
{
    FrequencyGroup group{"pocket", {{"0", 0}, {"00", 0}}};
    for (int pocket = 1; pocket <= 36; ++pocket)
        group.bars.push_back({std::to_string(pocket), 0});
    for (const ReportLine& play : plays) {
        const int pocket = play.first.front();
        if (pocket <= 37)
            ++group.bars[static_cast<std::size_t>(pocket == 37 ? 1 : pocket == 0 ? 0 : pocket + 1)].count;
    }
    return group;
}

std::string gameOf(const LastReport& report)
{
    std::string values;
    for (const ReportValue& value : report.values)
        values += (values.empty() ? "" : ", ") + value.title + ": " + value.text;
    return report.caption + (values.empty() ? "" : " (" + values + ")");
}

} // namespace

long FrequencyGroup::total() const
{
    long sum = 0;
    for (const FrequencyBar& bar : bars)
        sum += bar.count;
    return sum;
}

double FrequencyGroup::mean() const
{
    return bars.empty() ? 0.0 : static_cast<double>(total()) / static_cast<double>(bars.size());
}

std::string Frequencies::summary() const
{
    const std::string counted = std::to_string(lines) + (lines == 1 ? " line" : " lines");
    return source.empty() ? counted + " read from the pane" : counted + " of " + source;
}

std::string Frequencies::table() const
{
    std::string text = csvRow({"group", "value", "count"});
    for (const FrequencyGroup& group : groups)
        for (const FrequencyBar& bar : group.bars)
            text += csvRow({group.name, bar.value, std::to_string(bar.count)});
    return text;
}

Frequencies countFrequencies(const std::vector<ReportLine>& plays, const LineLayout& layout)
{
    Frequencies result;
    result.lines = plays.size();
    std::vector<std::optional<FrequencyGroup>> counted;
    switch (layout.kind) {
    case LineKind::Numbers:
        counted.push_back(countFromOne("first", plays, &ReportLine::first, layout.firstBiggest));
        if (layout.secondCount > 0)
            counted.push_back(countFromOne("second", plays, &ReportLine::second, layout.secondBiggest));
        break;
    case LineKind::Digits:
        for (int position = 0; position < layout.firstCount; ++position)
            result.groups.push_back(digitsAt(position, plays));
        break;
    case LineKind::Horses:
        for (int place = 0; place < 3; ++place)
            counted.push_back(countFromOne("place " + std::to_string(place + 1), plays,
                                           &ReportLine::first, layout.firstBiggest, place));
        break;
    case LineKind::Pockets:
        result.groups.push_back(pockets(plays));
        break;
    case LineKind::Teams:
        result.error = kNoTeamCounts;
        break;
    }
    for (auto& group : counted) {
        if (!group) {
            result.error = "The lines hold numbers above " + std::to_string(kBiggestCounted)
                           + ", more than a chart can count.";
            result.groups.clear();
            break;
        }
        result.groups.push_back(std::move(*group));
    }
    return result;
}

Frequencies numberFrequencies(std::string_view text, const LastReport* report)
{
    const PaneLines lines = readPaneLines(text, {}, report);
    if (!lines.error.empty()) {
        Frequencies result;
        result.error = lines.error;
        return result;
    }
    Frequencies result = countFrequencies(lines.plays, lines.layout);
    if (lines.reportLayout)
        result.source = gameOf(*report);
    return result;
}
