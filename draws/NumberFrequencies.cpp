// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberFrequencies.h"

#include "CsvText.h"
#include "DrawCheck.h"
#include "LastReport.h"
#include "Uniformity.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace {

const char* const kNoTeamCounts = "Tickets of teams hold no numbers to count.";
// The biggest number a game's values can give; typed lines may hold bigger
// numbers, which no chart could show a bar for each.
constexpr long kBiggestCounted = 32767;

// Calls its argument with every value of one group of the lines or draws.
using EachValue = std::function<void(const std::function<void(int)>&)>;

// Bars for the values 1 to the largest of the group's numbers and `biggest`.
std::optional<FrequencyGroup> countFromOne(std::string name, const EachValue& eachValue, long biggest)
{
    long largest = biggest;
    eachValue([&](int number) { largest = std::max<long>(largest, number); });
    if (largest > kBiggestCounted)
        return std::nullopt;
    std::vector<long> counts(static_cast<std::size_t>(largest) + 1, 0);
    eachValue([&](int number) { ++counts[static_cast<std::size_t>(number)]; });
    FrequencyGroup result{std::move(name), {}, {}};
    for (long value = 1; value <= largest; ++value)
        result.bars.push_back({std::to_string(value), counts[static_cast<std::size_t>(value)]});
    return result;
}

FrequencyGroup digitsAt(int position, const EachValue& eachValue)
{
    FrequencyGroup group{"position " + std::to_string(position + 1), {}, {}};
    for (int digit = 0; digit <= 9; ++digit)
        group.bars.push_back({std::to_string(digit), 0});
    // Typed lines may hold a number where a digit belongs.
    eachValue([&](int digit) {
        if (digit <= 9)
            ++group.bars[static_cast<std::size_t>(digit)].count;
    });
    return group;
}

// The wheel's pockets as the table lists them: 0, 00, then 1 to 36; 37
// stands for 00 in a spin.
FrequencyGroup pockets(const std::vector<ReportLine>& plays)
{
    FrequencyGroup group{"pocket", {{"0", 0}, {"00", 0}}, {}};
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

// What a group of lines or draws gives: every value of a drum, or the value
// at one position.
struct GroupSource {
    std::function<EachValue(int group, int position)> values; // group 0 first, 1 second; position -1 all
};

Frequencies countGroups(const GroupSource& source, const LineLayout& layout, int positions)
{
    Frequencies result;
    std::vector<std::optional<FrequencyGroup>> counted;
    switch (layout.kind) {
    case LineKind::Numbers:
        counted.push_back(countFromOne("first", source.values(0, -1), layout.firstBiggest));
        if (layout.secondCount > 0)
            counted.push_back(countFromOne("second", source.values(1, -1), layout.secondBiggest));
        break;
    case LineKind::Digits:
        for (int position = 0; position < positions; ++position)
            result.groups.push_back(digitsAt(position, source.values(0, position)));
        break;
    case LineKind::Horses:
        for (int place = 0; place < 3; ++place)
            counted.push_back(countFromOne("place " + std::to_string(place + 1), source.values(0, place),
                                           layout.firstBiggest));
        break;
    case LineKind::Pockets:
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
    const std::string counted = plural(lines, unit);
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
    const GroupSource source{[&plays](int group, int position) -> EachValue {
        return [&plays, group, position](const std::function<void(int)>& use) {
            for (const ReportLine& play : plays) {
                const std::vector<int>& numbers = group == 0 ? play.first : play.second;
                if (position < 0)
                    std::for_each(numbers.begin(), numbers.end(), use);
                else if (static_cast<std::size_t>(position) < numbers.size())
                    use(numbers[static_cast<std::size_t>(position)]);
            }
        };
    }};
    Frequencies result = countGroups(source, layout, layout.firstCount);
    if (layout.kind == LineKind::Pockets)
        result.groups.push_back(pockets(plays));
    result.lines = plays.size();
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

Frequencies drawFrequencies(const HistoryDraws& draws, const LineLayout& layout)
{
    const GroupSource source{[&draws](int group, int position) -> EachValue {
        return [&draws, group, position](const std::function<void(int)>& use) {
            const int from = group == 0 ? 0 : draws.firstCount;
            const int to = group == 0 ? draws.firstCount : draws.firstCount + draws.secondCount;
            for (std::size_t d = 0; d < draws.size(); ++d) {
                const int* drawn = draws.draw(d);
                if (position >= 0)
                    use(drawn[position]);
                else
                    std::for_each(drawn + from, drawn + to, use);
            }
        };
    }};
    Frequencies result = countGroups(source, layout, draws.firstCount);
    result.lines = draws.size();
    result.unit = "draw";
    result.source = "the history";
    for (FrequencyGroup& group : result.groups) {
        std::vector<long> counts;
        for (const FrequencyBar& bar : group.bars)
            counts.push_back(bar.count);
        const bool drum = layout.kind == LineKind::Numbers;
        const long drawn = !drum ? 1 : group.name == "first" ? draws.firstCount : draws.secondCount;
        group.uniformity = uniformity(counts, static_cast<long>(draws.size()), drawn).text();
    }
    return result;
}
