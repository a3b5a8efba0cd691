// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LastReport.h"

#include <optional>
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

inline const LastReport* given(const std::optional<LastReport>& report) { return report ? &*report : nullptr; }

inline std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

// The pane's text and the last report, if the pane shows one; `against` is
// the typed draw or the draw history.
struct DrawsCase {
    const char* what;
    std::string text;
    std::optional<LastReport> report;
    std::string expected;
    std::string against = {};
};
