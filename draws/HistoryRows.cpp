// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryRows.h"

#include "CsvText.h"
#include "GameFile.h"
#include "ReportLines.h"

#include <algorithm>
#include <cctype>

namespace {

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

void fieldsOf(std::string_view line, char separator, std::vector<std::string_view>& fields)
{
    if (separator != 0) {
        csvFields(line, separator, fields);
        return;
    }
    fields.clear();
    splitWords(line, " \t", fields);
}

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

} // namespace

bool isBlankLine(std::string_view line) { return line.find_first_not_of(" \t,;|") == std::string_view::npos; }

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
