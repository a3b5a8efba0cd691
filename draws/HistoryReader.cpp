// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryReader.h"

#include "GameFile.h"
#include "HistoryRows.h"
#include "LongWork.h"
#include "ReportLines.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::size_t kRowsBetweenReports = 1u << 14;

int teamIndex(std::vector<std::string>& names, const std::string& team)
{
    const auto found = std::find(names.begin(), names.end(), team);
    if (found != names.end())
        return static_cast<int>(found - names.begin());
    names.push_back(team);
    return static_cast<int>(names.size()) - 1;
}

} // namespace

std::string_view HistoryDraws::date(std::size_t d) const
{
    const std::uint32_t start = d == 0 ? 0 : dateEnds_[d - 1];
    return std::string_view(dateText_).substr(start, dateEnds_[d] - start);
}

std::string historySample(std::string_view history)
{
    const FileShape shape = shapeOf(history);
    RowDraw row;
    for (std::size_t n = shape.header + (shape.hasHeader ? 1 : 0); n < shape.lines.size(); ++n) {
        if (isBlankLine(shape.lines[n]))
            continue;
        readRow(shape.lines[n], shape, LineLayout{}, row);
        return row.mains.empty() ? row.text : typedDraw(row);
    }
    return {};
}

HistoryReading readHistory(std::string_view history, const LineLayout& layout, const GameTeams& teams,
                           WorkMonitor& monitor)
{
    HistoryReading reading;
    HistoryDraws& draws = reading.draws;
    const FileShape shape = shapeOf(history);
    LineLayout drawLayout = layout;
    draws.bonus = std::find(shape.roles.begin(), shape.roles.end(), ColumnRole::Bonus) != shape.roles.end();
    if (layout.kind == LineKind::Teams) {
        draws.teams = teams;
        draws.teams.resize(static_cast<std::size_t>(std::max(layout.firstCount, 0)));
    }
    RowDraw row;
    Draw draw;
    for (std::size_t n = shape.header; n < shape.lines.size(); ++n) {
        const std::string_view line = shape.lines[n];
        if (n % kRowsBetweenReports == 0) {
            if (monitor.stopRequested()) {
                reading.stopped = true;
                return reading;
            }
            monitor.report(0.5 * static_cast<double>(n) / static_cast<double>(shape.lines.size()),
                           "Reading the history: line " + std::to_string(n + 1) + " of "
                               + std::to_string(shape.lines.size()));
        }
        if (isBlankLine(line) || isNoDraw(line, layout, teams))
            continue;
        readRow(line, shape, drawLayout, row);
        std::optional<std::string> error;
        draw.bonus = 0;
        if (!quickDraw(row, drawLayout, draw)) {
            DrawReading read = readDraw(layout.kind == LineKind::Teams ? row.text : typedDraw(row), drawLayout, &teams);
            if (read.draw)
                draw = std::move(*read.draw);
            else
                error = read.error;
        }
        if (!error && !row.bonus.empty())
            error = setBonus(row.bonus, drawLayout, draw);
        if (error) {
            reading.error = "Line " + std::to_string(n + 1) + " of the history: " + *error;
            return reading;
        }
        if (draws.size() == 0) {
            // Every draw then holds as many numbers as the first (a Keno draw 20).
            draws.firstCount = static_cast<int>(layout.kind == LineKind::Teams ? draw.teams.size() : draw.first.size());
            draws.secondCount = static_cast<int>(draw.second.size());
            if (layout.kind != LineKind::Teams)
                drawLayout.drawnFirst = draws.firstCount;
        }
        if (layout.kind == LineKind::Teams)
            for (std::size_t y = 0; y < draw.teams.size(); ++y)
                draws.numbers.push_back(teamIndex(draws.teams[y], draw.teams[y]));
        draws.numbers.insert(draws.numbers.end(), draw.first.begin(), draw.first.end());
        draws.numbers.insert(draws.numbers.end(), draw.second.begin(), draw.second.end());
        if (draws.bonus)
            draws.numbers.push_back(draw.bonus);
        draws.rows.push_back(static_cast<int>(n + 1));
        draws.dateText_ += row.date;
        draws.dateEnds_.push_back(static_cast<std::uint32_t>(draws.dateText_.size()));
    }
    return reading;
}
