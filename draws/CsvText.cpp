// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvText.h"

std::string csvField(std::string_view field)
{
    std::string text;
    if (!field.empty() && std::string_view("=+-@\t\r").find(field.front()) != std::string_view::npos)
        text = "'";
    text += field;
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string csvRow(const std::vector<std::string>& fields)
{
    std::string row;
    for (std::size_t i = 0; i < fields.size(); ++i)
        row += (i > 0 ? "," : "") + csvField(fields[i]);
    return row + "\r\n";
}

void csvFields(std::string_view row, char separator, std::vector<std::string_view>& fields)
{
    fields.clear();
    std::size_t at = 0;
    for (;;) {
        const auto first = row.find_first_not_of(' ', at);
        std::size_t end = 0;
        if (first != std::string_view::npos && row[first] == '"') {
            // A quote inside is doubled: the field ends at a quote that is not.
            std::size_t close = first + 1;
            while ((close = row.find('"', close)) != std::string_view::npos && close + 1 < row.size()
                   && row[close + 1] == '"')
                close += 2;
            const std::size_t last = close == std::string_view::npos ? row.size() : close;
            fields.push_back(row.substr(first + 1, last - first - 1));
            end = row.find(separator, last);
        } else {
            end = row.find(separator, at);
            fields.push_back(row.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
        }
        if (end == std::string_view::npos)
            return;
        at = end + 1;
    }
}
