// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPrinting.h"
#include "DetailsTable.h"
#include "MenuMnemonics.h"

#include <gtest/gtest.h>

#include <utility>

using Strings = std::vector<std::string>;

TEST(MenuMnemonics, EachEntryGetsAFreeLetterAWordStartFirstAndKeepsOneItNames)
{
    const std::pair<Strings, Strings> cases[] = {
        {{"Open", "Save", "Export as CSV...", "Print", "Quit"},
         {"&Open", "&Save", "&Export as CSV...", "&Print", "&Quit"}},
        {{"&Undo", "Cu&t", "&Copy", "Select &All", "Check Against a Dra&w...", "Wheel Numbers...", "Check a Wheel..."},
         {"&Undo", "Cu&t", "&Copy", "Select &All", "Check Against a Dra&w...", "Wheel &Numbers...", "C&heck a Wheel..."}},
        {{"R && D", "Rates"}, {"&R && D", "R&ates"}},
        {{"...", "Cut", "cut"}, {"...", "&Cut", "c&ut"}},
    };
    for (const auto& [captions, marked] : cases)
        EXPECT_EQ(withMnemonics(captions), marked) << captions.front();
}

TEST(DetailCells, SplitsEachTierLineInItsTierCountAndOddsAndKeepsAnyOtherLineWhole)
{
    using Rows = std::vector<Strings>;
    const std::pair<const char*, Rows> cases[] = {
        {"6 of 6: 1 combination, 1 in 13,983,816.00\n5 of 6: 258 combinations, 1 in 54,200.84\n",
         {{"6 of 6", "1", "1 in 13,983,816.00"}, {"5 of 6", "258", "1 in 54,200.84"}}},
        {"5 of 5 + 1 of 1: 7,624,512 combinations, 1 in 38.32", {{"5 of 5 + 1 of 1", "7,624,512", "1 in 38.32"}}},
        {"0 of 2: 0 combinations, never\n", {{"0 of 2", "0", "never"}}},
        {"These values make no game: a line must take at least one number, and no more than its drum holds.\n",
         {{"These values make no game: a line must take at least one number, and no more than its drum holds."}}},
    };
    for (const auto& [details, rows] : cases)
        EXPECT_EQ(detailCells(details), rows) << details;
}
