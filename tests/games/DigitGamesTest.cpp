#include "DigitGames.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

// Each digit Int(10 r), the first draw leftmost, in the print statement's
// " d " items; r just below 1 gives 9, never 10.
TEST(DigitReport, WritesOneDigitPerDrawInLinesOfThreeOrFour)
{
    FixedRandom three({0.0f, 0.1f, 0.99999994f});
    const std::string pick3 = digitReport(3, three);
    EXPECT_EQ(pick3.size(), 11000u);
    EXPECT_EQ(pick3.substr(0, 22), " 0  1  9 \r\n 0  1  9 \r\n");
    FixedRandom four({0.25f, 0.5f, 0.75f, 0.3f});
    const std::string pick4 = digitReport(4, four);
    EXPECT_EQ(pick4.size(), 14000u);
    EXPECT_EQ(pick4.substr(pick4.size() - 14), " 2  5  7  3 \r\n");
}

TEST(DigitClicks, ReplaceWhatThePaneHeldWithTheReport)
{
    for (const auto& [procedure, digits] : {std::pair{Pick3_Click, 3}, std::pair{Pick4_Click, 4}}) {
        ScriptedClick click({});
        click.pane.setText("old text\n");
        click.run(procedure);
        RandomSource same;
        same.reseed(42.0);
        EXPECT_EQ(click.pane.text(), digitReport(digits, same));
        EXPECT_TRUE(click.pane.paneFont().bold);
    }
}
