#include "HistoryReader.h"

#include "CsvText.h"
#include "GameFile.h"
#include "HistoryLayouts.h"
#include "LongWork.h"
#include "ReportLines.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::size_t kRowsBetweenReports = 1u << 14;

bool isBlankLine(std::string_view line) { return line.find_first_not_of(" \t,;|") == std::string_view::npos; }

// The field separator of a CSV file, from its first line: the most frequent
// of "," ";" and tab outside quotes; 0 for blanks alone.
char separatorOf(std::string_view line)
{
    std::size_t commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (char c : line) {
        quoted = quoted != (c == '"');
        if (!quoted) {
            commas += c == ',';
            semicolons += c == ';';
            tabs += c == '\t';
        }
    }
    if (commas == 0 && semicolons == 0 && tabs == 0)
        return 0;
    if (commas >= semicolons && commas >= tabs)
        return ',';
    return semicolons >= tabs ? ';' : '\t';
}

// "2026-11-28", "28/11/2026", "18-Feb-2026", "28.11.2026".
bool isDate(std::string_view word)
{
    if (word.empty() || !std::isdigit(static_cast<unsigned char>(word.front())))
        return false;
    bool separated = false;
    for (char c : word) {
        if (c == '-' || c == '/' || c == '.')
            separated = true;
        else if (!std::isalnum(static_cast<unsigned char>(c)))
            return false;
    }
    return separated;
}

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The words of a text between blanks and the given separators.
void splitWords(std::string_view text, const char* separators, std::vector<std::string_view>& words)
{
    std::size_t at = 0;
    while ((at = text.find_first_not_of(separators, at)) != std::string_view::npos) {
        const auto end = std::min(text.find_first_of(separators, at), text.size());
        words.push_back(text.substr(at, end - at));
        at = end;
    }
}

// Whether a field holds numbers alone: digits, with blanks or "|" between
// them, maybe in quotes.
bool holdsNumbersOnly(std::string_view field)
{
    return field.find_first_of("0123456789") != std::string_view::npos
           && field.find_first_not_of("0123456789 \t|\"") == std::string_view::npos;
}

// Whether a line holds a number: a field of numbers alone, the fields split
// at "," ";" and tabs, or at blanks in a line of none of those. A line that
// holds none is no draw (a header, a title); "NUMBER DRAWN 1" holds none.
bool holdsANumber(std::string_view line)
{
    const char* separators = line.find_first_of(",;\t") != std::string_view::npos ? ",;\t" : " ";
    std::size_t at = 0;
    for (;;) {
        const auto end = line.find_first_of(separators, at);
        if (holdsNumbersOnly(line.substr(at, end == std::string_view::npos ? end : end - at)))
            return true;
        if (end == std::string_view::npos)
            return false;
        at = end + 1;
    }
}

// How a history file is laid out.
struct FileShape {
    std::vector<std::string_view> lines;
    std::size_t header = 0;          // the first line that is not blank
    bool hasHeader = false;
    char separator = 0;              // 0: blanks
    std::vector<ColumnRole> roles;   // per column; none: rows read by their shape
};

void fieldsOf(std::string_view line, char separator, std::vector<std::string_view>& fields)
{
    if (separator != 0) {
        csvFields(line, separator, fields);
        return;
    }
    fields.clear();
    splitWords(line, " \t", fields);
}

FileShape shapeOf(std::string_view history)
{
    FileShape shape;
    shape.lines = splitLines(history);
    while (shape.header < shape.lines.size() && isBlankLine(shape.lines[shape.header]))
        ++shape.header;
    if (shape.header == shape.lines.size())
        return shape;
    shape.separator = separatorOf(shape.lines[shape.header]);
    shape.hasHeader = !holdsANumber(shape.lines[shape.header]);
    if (shape.hasHeader) {
        std::vector<std::string_view> fields;
        fieldsOf(shape.lines[shape.header], shape.separator, fields);
        shape.roles = columnRoles(fields);
    }
    return shape;
}

// One row: its numbers, the first `firstEnd` of the first drum; for
// tickets its text as a typed draw; its date and bonus.
struct RowDraw {
    std::string text;
    std::size_t firstEnd = 0;
    std::string date;
    std::string_view bonus;
    // Scratch room, kept from row to row.
    std::vector<std::string_view> fields;
    std::vector<std::string_view> mains;
    std::vector<std::string_view> seconds;
};

void append(std::string& text, const std::vector<std::string_view>& words, std::size_t from, std::size_t to)
{
    for (std::size_t i = from; i < to; ++i) {
        if (!text.empty() && text.back() != ' ')
            text += ' ';
        text += words[i];
    }
}

bool holdsPlus(const std::vector<std::string_view>& words)
{
    return std::any_of(words.begin(), words.end(), [](std::string_view word) { return word.find('+') != std::string_view::npos; });
}

// Where the first drum's numbers end: without a "+", the last ones form the
// second group when the lines have one and the row holds both groups' numbers.
void splitNumbers(const LineLayout& layout, RowDraw& row)
{
    row.firstEnd = row.mains.size();
    if (row.seconds.empty() && !holdsPlus(row.mains) && layout.kind == LineKind::Numbers && layout.secondCount > 0
        && row.mains.size() == static_cast<std::size_t>(layout.firstDrawn() + layout.secondCount))
        row.firstEnd -= static_cast<std::size_t>(layout.secondCount);
}

// The row's numbers as a typed draw: "3 11 19 27 38 + 7".
const std::string& typedDraw(RowDraw& row)
{
    row.text.clear();
    append(row.text, row.mains, 0, row.firstEnd);
    if (row.firstEnd < row.mains.size() || !row.seconds.empty())
        row.text += " +";
    append(row.text, row.mains, row.firstEnd, row.mains.size());
    append(row.text, row.seconds, 0, row.seconds.size());
    return row.text;
}

bool fitsGroup(const std::vector<std::string_view>& words, std::size_t from, std::size_t to, int count,
               long lowest, long biggest, bool distinct, std::vector<int>& numbers)
{
    numbers.clear();
    if (to - from != static_cast<std::size_t>(count) || (distinct && count > 16))
        return false;
    for (std::size_t i = from; i < to; ++i) {
        const int number = wholeNumber(words[i]);
        if (number < lowest || (biggest > 0 && number > biggest))
            return false;
        if (distinct && std::find(numbers.begin(), numbers.end(), number) != numbers.end())
            return false;
        numbers.push_back(number);
    }
    return true;
}

// A row of numbers that fit the lines, read without writing it as a typed
// draw first: most rows of a big history. False for any other row, which
// readDraw then reads and says what is wrong with.
bool quickDraw(const RowDraw& row, const LineLayout& layout, Draw& draw)
{
    // Keno draws against lines read by their shape have readDraw's range.
    if (layout.kind == LineKind::Teams || holdsPlus(row.mains) || holdsPlus(row.seconds)
        || (!layout.gameKnown() && layout.firstDrawn() > layout.firstCount))
        return false;
    const bool digits = layout.kind == LineKind::Digits;
    if (!fitsGroup(row.mains, 0, row.firstEnd, layout.firstDrawn(), digits ? 0 : 1, digits ? 9 : layout.firstBiggest,
                   !digits, draw.first))
        return false;
    const std::vector<std::string_view>& second = row.seconds.empty() ? row.mains : row.seconds;
    const std::size_t from = row.seconds.empty() ? row.firstEnd : 0;
    return fitsGroup(second, from, second.size(), layout.secondCount, 1, layout.secondBiggest, true, draw.second);
}

void rowByColumns(const FileShape& shape, const LineLayout& layout, RowDraw& row)
{
    row.mains.clear();
    row.seconds.clear();
    row.date.clear();
    row.bonus = {};
    for (std::size_t i = 0; i < row.fields.size() && i < shape.roles.size(); ++i) {
        const std::string_view field = trimmed(row.fields[i]);
        switch (shape.roles[i]) {
        case ColumnRole::Main:
            splitWords(field, " \t|", row.mains);
            break;
        case ColumnRole::Second:
            splitWords(field, " \t|", row.seconds);
            break;
        case ColumnRole::Bonus:
            row.bonus = field;
            break;
        case ColumnRole::Date:
            row.date = field;
            break;
        case ColumnRole::DatePart:
            row.date += (row.date.empty() ? "" : "/") + std::string(field);
            break;
        case ColumnRole::Skipped:
            break;
        }
    }
    splitNumbers(layout, row);
}

// A row read by its shape: any of the separators and blanks between its
// words, a leading date (or draw number and date) skipped, and the draw
// number after a date when the row holds one number more than a draw.
void rowByShape(std::string_view line, const LineLayout& layout, RowDraw& row)
{
    row.mains.clear();
    row.seconds.clear();
    row.date.clear();
    row.bonus = {};
    std::vector<std::string_view>& words = row.fields;
    words.clear();
    if (layout.kind == LineKind::Teams) {
        const char separator = separatorOf(line);
        fieldsOf(line, separator == 0 ? ' ' : separator, words);
    } else {
        splitWords(line, " \t,;|\"", words);
    }
    std::size_t from = 0;
    if (!words.empty() && isDate(trimmed(words[0])))
        from = 1;
    else if (words.size() > 1 && wholeNumber(trimmed(words[0])) >= 0 && isDate(trimmed(words[1])))
        from = 2;
    if (from > 0)
        row.date = trimmed(words[from - 1]);
    if (layout.kind == LineKind::Teams) {
        row.text.clear();
        for (std::size_t i = from; i < words.size(); ++i)
            row.text += (i > from ? ", " : "") + std::string(trimmed(words[i]));
        return;
    }
    const bool plus = line.find('+') != std::string_view::npos;
    if (from == 1 && !plus && layout.kind == LineKind::Numbers
        && words.size() == static_cast<std::size_t>(layout.firstDrawn() + layout.secondCount) + 2)
        from = 2;
    row.mains.assign(words.begin() + static_cast<long>(from), words.end());
    splitNumbers(layout, row);
}

void readRow(std::string_view line, const FileShape& shape, const LineLayout& layout, RowDraw& row)
{
    if (!shape.roles.empty()) {
        fieldsOf(line, shape.separator, row.fields);
        // A row that does not hold the header's fields is read by its shape.
        if (row.fields.size() > 1 || shape.roles.size() == 1) {
            rowByColumns(shape, layout, row);
            return;
        }
    }
    rowByShape(line, layout, row);
}

// Whether a line is no draw: it holds no number, or names no team of the
// games (a header, a title).
bool isNoDraw(std::string_view line, const LineLayout& layout, const GameTeams& teams)
{
    if (layout.kind != LineKind::Teams)
        return !holdsANumber(line);
    const char separator = separatorOf(line);
    std::vector<std::string_view> words;
    fieldsOf(line, separator == 0 ? ' ' : separator, words);
    for (std::string_view word : words) {
        const std::string team = ticketName(trimmed(word));
        for (const std::vector<std::string>& names : teams)
            if (std::find(names.begin(), names.end(), team) != names.end())
                return false;
    }
    return true;
}

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
