#pragma once

#include "LastReport.h"

#include <string>
#include <vector>

// The last report of `button`, shown, with the given answers.
inline LastReport reportOf(const std::string& button, std::vector<std::string> values)
{
    LastReport report;
    report.button = button;
    report.caption = button;
    for (std::string& value : values)
        report.values.push_back({"v", std::move(value)});
    report.shown = true;
    return report;
}

inline std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}
