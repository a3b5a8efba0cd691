// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LastReport.h"

#include <cstddef>
#include <deque>
#include <string_view>

// The reports clicks showed, and which of them the pane holds as shown: only
// that one's lines are read as its report laid them out. Undo and redo may
// bring an earlier report's text back, so the latest few are kept.
class ShownReport {
public:
    // Keeps the report of a click that showed one; `paneText` is what the
    // pane held right after.
    void keep(const LastReport& report, std::string_view paneText);

    // The latest report; nothing before the first one.
    const LastReport* last() const { return shown_.empty() ? nullptr : &shown_.front().report; }
    // The latest report whose very text the pane holds; else nothing.
    const LastReport* inPane(std::string_view paneText) const;

private:
    struct Shown {
        LastReport report;
        // The shown text's size and hash: the pane may hold a long text,
        // worth no second copy.
        std::size_t textSize = 0;
        std::size_t textHash = 0;
    };
    std::deque<Shown> shown_; // the latest first
};
