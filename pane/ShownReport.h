#pragma once

#include "LastReport.h"

#include <cstddef>
#include <optional>
#include <string>

// The last report a click showed, and whether the pane still holds it as
// shown: only then are its lines read as that report laid them out.
class ShownReport {
public:
    // Keeps the report of a click that showed one; `paneText` is what the
    // pane held right after.
    void keep(const LastReport& report, const std::string& paneText);

    // Nothing before the first report.
    const LastReport* last() const { return report_ ? &*report_ : nullptr; }
    // The last report while the pane holds its very text; else nothing.
    const LastReport* inPane(const std::string& paneText) const;

private:
    std::optional<LastReport> report_;
    // The shown text's size and hash: the pane may hold a long text, worth
    // no second copy.
    std::size_t textSize_ = 0;
    std::size_t textHash_ = 0;
};
