// SPDX-License-Identifier: GPL-3.0-or-later
// The draw and history checks on fuzzed pane text, draws and histories. The
// input is split at its first NUL: the pane's text, then a typed draw and a
// history both. A history counted through the subset indexes must give
// what counting pair by pair gives.
#include "DrawCheck.h"
#include "DrawHistory.h"
#include "LongWork.h"
#include "NumberFrequencies.h"
#include "ReportCsv.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto split = input.find('\0');
    const std::string_view pane = input.substr(0, split);
    const std::string_view other = split == std::string_view::npos ? std::string_view() : input.substr(split + 1);
    (void)checkDraw(pane, other, nullptr).lines();
    (void)reportCsv(pane, nullptr);
    (void)numberFrequencies(pane, nullptr);
    UnwatchedWork unwatched;
    const HistoryResult indexed = checkHistory(pane, other, nullptr, unwatched, Counting::Automatic);
    const HistoryResult plain = checkHistory(pane, other, nullptr, unwatched, Counting::PairByPair);
    if (indexed.lines() != plain.lines())
        std::abort();
    return 0;
}
