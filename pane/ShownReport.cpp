// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShownReport.h"

#include <functional>

namespace {

// Undo and redo bring back at most two reports nobody typed into, and one
// more for each text set aside with the user's edits, which undo can take
// back to its report.
constexpr std::size_t kKept = 8;

} // namespace

void ShownReport::keep(const LastReport& report, std::string_view paneText)
{
    shown_.push_front({report, paneText.size(), std::hash<std::string_view>{}(paneText)});
    if (shown_.size() > kKept)
        shown_.pop_back();
}

const LastReport* ShownReport::inPane(std::string_view paneText) const
{
    std::size_t hash = 0;
    for (const Shown& shown : shown_) {
        if (shown.textSize != paneText.size())
            continue;
        if (hash == 0)
            hash = std::hash<std::string_view>{}(paneText);
        if (shown.textHash == hash)
            return &shown.report;
    }
    return nullptr;
}
