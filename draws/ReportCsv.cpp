// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportCsv.h"

#include "CsvText.h"
#include "DrawCheck.h"
#include "LastReport.h"

namespace {

// A spin line's fields start at these columns (the report's tab stops).
constexpr std::size_t kSpinColumns[] = {0, 4, 10, 15, 21, 27, 34, 41, 48};
const std::vector<std::string> kSpinHeader = {"pocket", "colour", "low/high", "even/odd", "dozen",
                                              "column", "D1&2", "D1&3", "D2&3"};

std::vector<std::string> numbered(const char* prefix, int count)
{
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i)
        names.push_back(prefix + std::to_string(i));
    return names;
}

std::vector<std::string> header(const PaneLines& lines, const LastReport* report)
{
    const LineLayout& layout = lines.layout;
    switch (layout.kind) {
    case LineKind::Numbers: {
        std::vector<std::string> names = numbered("n", layout.firstCount);
        const bool powerBall = lines.reportLayout && report->button.rfind("Power", 0) == 0;
        const std::vector<std::string> second =
            powerBall ? std::vector<std::string>{"pb"} : numbered("s", layout.secondCount);
        names.insert(names.end(), second.begin(), second.end());
        return names;
    }
    case LineKind::Digits:
        return numbered("d", layout.firstCount);
    case LineKind::Horses:
        return numbered("h", 3);
    case LineKind::Pockets:
        return kSpinHeader;
    case LineKind::Teams:
        return numbered("g", layout.firstCount);
    }
    return {};
}

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::vector<std::string> spinFields(std::string_view line)
{
    std::vector<std::string> fields;
    for (std::size_t i = 0; i < std::size(kSpinColumns); ++i) {
        const std::size_t at = std::min(kSpinColumns[i], line.size());
        const std::size_t end = i + 1 < std::size(kSpinColumns) ? kSpinColumns[i + 1] : line.size();
        fields.push_back(trimmed(line.substr(at, end > at ? end - at : 0)));
    }
    return fields;
}

std::vector<std::string> fieldsOf(LineKind kind, const ReportLine& play, std::string_view line)
{
    if (kind == LineKind::Teams)
        return play.teams;
    if (kind == LineKind::Pockets)
        return spinFields(line);
    std::vector<std::string> fields;
    for (int number : play.first)
        fields.push_back(std::to_string(number));
    for (int number : play.second)
        fields.push_back(std::to_string(number));
    return fields;
}

} // namespace

CsvReport reportCsv(std::string_view text, const LastReport* report)
{
    const PaneLines lines = readPaneLines(text, {}, report);
    if (!lines.error.empty())
        return {lines.error, {}};
    const std::vector<std::string_view> textLines = splitLines(text);
    CsvReport csv{{}, csvRow(header(lines, report))};
    for (const ReportLine& play : lines.plays)
        csv.text += csvRow(fieldsOf(lines.layout.kind, play, textLines[static_cast<std::size_t>(play.lineNumber - 1)]));
    return csv;
}
