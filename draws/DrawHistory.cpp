#include "DrawHistory.h"

#include "DrawCheck.h"

#include <algorithm>
#include <cstdint>
#include <cctype>

namespace {

const char* const kNoDraws = "The history holds no draws.";

bool isDate(std::string_view field)
{
    if (field.empty() || !std::isdigit(static_cast<unsigned char>(field.front())))
        return false;
    bool separated = false;
    for (char c : field) {
        if (c == '-' || c == '/' || c == '.')
            separated = true;
        else if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return separated;
}

// A history line as a typed draw: semicolons read as commas, quotes and a
// leading date dropped, and a "+" put before the second drum's numbers when
// the line has the numbers of both drums but no "+".
std::string drawText(std::string_view line, const LineLayout& layout)
{
    std::string text;
    for (char c : line)
        if (c != '"')
            text += c == ';' ? ',' : c;
    const auto start = text.find_first_not_of(" \t");
    if (start == std::string::npos)
        return {};
    const auto end = std::min(text.find_first_of(", \t", start), text.size());
    if (isDate(std::string_view(text).substr(start, end - start)))
        text.erase(0, std::min(text.find_first_not_of(", \t", end), text.size()));
    if (layout.kind != LineKind::Numbers || layout.secondCount == 0
        || text.find('+') != std::string::npos)
        return text;
    std::string spaced = text;
    std::replace(spaced.begin(), spaced.end(), ',', ' ');
    const auto words = wordsOf(spaced);
    const auto firstCount = static_cast<std::size_t>(layout.firstDrawn());
    if (words.size() != firstCount + static_cast<std::size_t>(layout.secondCount))
        return text;
    std::string joined;
    for (std::size_t i = 0; i < words.size(); ++i)
        joined += (i == firstCount ? " + " : i > 0 ? " " : "") + std::string(words[i]);
    return joined;
}

bool isBlank(std::string_view line) { return line.find_first_not_of(" \t,;") == std::string_view::npos; }

// A line that shows the draws' shape, for lines read by their shape: the
// first one of numbers alone, else the last line (a header has words).
std::string sampleDraw(const std::vector<std::string_view>& historyLines)
{
    std::string_view last;
    for (std::string_view line : historyLines) {
        if (isBlank(line))
            continue;
        const std::string text = drawText(line, LineLayout{});
        if (text.find_first_not_of("0123456789+,; \t") == std::string::npos)
            return text;
        last = line;
    }
    return drawText(last, LineLayout{});
}

std::string counted(long count, const std::string& unit)
{
    return std::to_string(count) + " " + unit + (count == 1 ? "" : "s");
}

} // namespace

std::vector<std::string> HistoryResult::lines() const
{
    if (!error.empty())
        return {error};
    std::vector<std::string> lines = {"Draws read: " + std::to_string(draws)};
    for (std::size_t t = 0; t < tiers.size(); ++t)
        lines.push_back(tiers[t] + ": " + counted(pairs[t], "pair"));
    for (std::size_t t = 0; t < tiers.size(); ++t)
        lines.push_back("best " + tiers[t] + ": " + counted(bestLines[t], unit));
    return lines;
}

HistoryResult checkHistory(std::string_view text, std::string_view history, const LastReport* report)
{
    HistoryResult result;
    const std::vector<std::string_view> historyLines = splitLines(history);
    const PaneLines lines = readPaneLines(text, sampleDraw(historyLines), report);
    result.error = checkableError(lines);
    if (!result.error.empty())
        return result;

    const std::size_t unreached = SIZE_MAX;
    std::vector<std::size_t> best(lines.plays.size(), unreached);
    std::vector<int> places;
    bool nested = false;
    bool first = true;
    for (std::size_t n = 0; n < historyLines.size(); ++n) {
        if (isBlank(historyLines[n]))
            continue;
        const DrawReading reading = readDraw(drawText(historyLines[n], lines.layout), lines.layout);
        const bool header = first;
        first = false;
        if (!reading.draw) {
            if (header)
                continue;
            result.error = "Line " + std::to_string(n + 1) + " of the history: " + reading.error;
            return result;
        }
        if (result.tiers.empty()) {
            const TierScale scale = tierScale(*reading.draw, lines.layout);
            result.tiers = scale.names;
            result.unit = scale.unit;
            nested = scale.nested;
            result.pairs.assign(scale.names.size(), 0);
            result.bestLines.assign(scale.names.size(), 0);
        }
        ++result.draws;
        placePlays(lines.plays, *reading.draw, lines.layout, places);
        for (std::size_t i = 0; i < places.size(); ++i) {
            if (places[i] < 0)
                continue;
            const auto place = static_cast<std::size_t>(places[i]);
            ++result.pairs[place];
            best[i] = std::min(best[i], place);
        }
    }
    if (result.draws == 0) {
        result.error = kNoDraws;
        return result;
    }
    // A play in order is a play in any order too.
    if (nested)
        for (std::size_t t = 1; t < result.pairs.size(); ++t)
            result.pairs[t] += result.pairs[t - 1];
    for (std::size_t place : best)
        if (place != unreached)
            ++result.bestLines[place];
    return result;
}
