// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sstream>
#include <string>
#include <vector>

// The lines of a report, each without its CR LF.
inline std::vector<std::string> reportLines(const std::string& report)
{
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; (end = report.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(report.substr(at, end - at));
    return lines;
}

// The whole numbers of a line, in order.
inline std::vector<int> numbersIn(const std::string& line)
{
    std::vector<int> numbers;
    std::istringstream in(line);
    for (int n; in >> n;)
        numbers.push_back(n);
    return numbers;
}
