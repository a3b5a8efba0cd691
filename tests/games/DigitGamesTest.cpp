// SPDX-License-Identifier: GPL-3.0-or-later
#include "DigitGames.h"
#include "ReportLines.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

// Each digit Int(10 r), the first draw leftmost, in the print statement's
// " d " items; r just below 1 gives 9, never 10.
TEST(DigitReport, WritesOneDigitPerDrawInLinesOfThreeOrFour)
{
    FixedRandom three({0.0f, 0.1f, 0.99999994f});
    EXPECT_EQ(reportLines(digitReport(3, three)), std::vector<std::string>(1000, " 0  1  9 "));
    FixedRandom four({0.25f, 0.5f, 0.75f, 0.3f});
    EXPECT_EQ(reportLines(digitReport(4, four)), std::vector<std::string>(1000, " 2  5  7  3 "));
}

// The runner's tests show Pick 4's report.
TEST(DigitClicks, ReplaceWhatThePaneHeldWithTheReport)
{
    ScriptedClick click({});
    click.pane.setText("old text\n");
    click.run(Pick3_Click);
    click.random.reseed(42.0);
    EXPECT_EQ(click.pane.text(), digitReport(3, click.random));
    EXPECT_TRUE(click.pane.paneFont().bold);
}
