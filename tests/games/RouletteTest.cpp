// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintWriter.h"
#include "Roulette.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <map>

// A pocket's line: colour, low/high, parity, dozen, column and the three
// Bond bets (D1&2 wins on 1 to 24, D1&3 on 1 to 12 and 25 to 36, D2&3 on 13
// to 36); 0 and 00 lose everything. The rows are the ranges' edges.
TEST(RouletteSpin, ClassifiesEveryPocket)
{
    const std::map<int, const char*> edges = {
        {0, "  0                               D1&2-  D1&3-  D2&3-"},
        {1, "  1   red  low  odd  Doz_1 Col_1  D1&2+  D1&3+  D2&3-"},
        {2, "  2 black  low even  Doz_1 Col_2  D1&2+  D1&3+  D2&3-"},
        {12, " 12   red  low even  Doz_1 Col_3  D1&2+  D1&3+  D2&3-"},
        {13, " 13 black  low  odd  Doz_2 Col_1  D1&2+  D1&3-  D2&3+"},
        {18, " 18   red  low even  Doz_2 Col_3  D1&2+  D1&3-  D2&3+"},
        {19, " 19   red high  odd  Doz_2 Col_1  D1&2+  D1&3-  D2&3+"},
        {24, " 24 black high even  Doz_2 Col_3  D1&2+  D1&3-  D2&3+"},
        {25, " 25   red high  odd  Doz_3 Col_1  D1&2-  D1&3+  D2&3+"},
        {36, " 36   red high even  Doz_3 Col_3  D1&2-  D1&3+  D2&3+"},
        {37, " 00                               D1&2-  D1&3-  D2&3-"},
    };
    // The colour of 1 to 36, r for red.
    const std::string colours = "rbrbrbrbrbbrbrbrbrrbrbrbrbrbbrbrbrbr";
    RouletteTally tally;
    for (int pocket = 0; pocket < kPockets; ++pocket) {
        PrintWriter out;
        writeSpin(out, pocket, tally);
        if (pocket >= 1 && pocket <= 36) {
            EXPECT_EQ(out.str().substr(4, 5), colours[pocket - 1] == 'r' ? "  red" : "black") << pocket;
        }
        if (const auto edge = edges.find(pocket); edge != edges.end()) {
            EXPECT_EQ(out.str(), std::string(edge->second) + "\r\n");
        }
    }
    const RouletteTally& t = tally;
    EXPECT_EQ((std::vector<int>{t.red, t.black, t.low, t.high, t.even, t.odd, t.bond12, t.bond13, t.bond23}),
              (std::vector<int>{18, 18, 18, 18, 18, 18, 24, 24, 24}));
}

TEST(RouletteSummary, LaysOutTalliesBondWinsSeedAndTime)
{
    PrintWriter out;
    writeRouletteSummary(out, {474, 480, 470, 484, 476, 478, 640, 625, 615}, 123456789.25, 45678);
    const std::string rule = std::string(54, '-') + "\r\n";
    EXPECT_EQ(out.str(), rule + "+  blk 480 lo 470 ev 476 \r\n" + "+  red 474 hi 484 od 478 \r\n" + rule
                             + "Total Bond wins (+) ............   640    625    615 \r\n"
                               "Expected Bond wins (+) .........   631    631    631 \r\n"
                               "Difference from expected .......    9     -6     -16 \r\n"
                             + rule
                             + "  123456789.25 (random seed)     * Timer: 45678 seconds since mid-nite\r\n");

    // Red, low and odd every time.
    PrintWriter pastTab;
    writeRouletteSummary(pastTab, {1000, 0, 1000, 0, 0, 1000}, 1, 0);
    EXPECT_NE(pastTab.str().find("\r\n+  red 1000 \r\n           hi 0   od 1000 \r\n"), std::string::npos);
}

TEST(RouletteClick, SpinsTheSeededWheelAndSumsUpItsLines)
{
    ScriptedClick click({});
    click.run(Roulette_Click);
    click.random.reseed(42.0);
    RouletteTally tally;
    PrintWriter expected;
    for (int spin = 0; spin < 1000; ++spin)
        writeSpin(expected, static_cast<int>(static_cast<double>(click.random.next()) * 38), tally);
    // The clock's 43200.5 seconds round half to even.
    writeRouletteSummary(expected, tally, 42, 43200);
    EXPECT_EQ(click.pane.text(), expected.str());
    EXPECT_TRUE(click.pane.paneFont().bold);
}
