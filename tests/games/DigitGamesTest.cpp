#include "DigitGames.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <regex>

TEST(DigitReport, LinesAreBlankDigitBlankWithCrLf)
{
    RandomSource random;
    random.reseed(12345.678);
    for (int digits : {3, 4}) {
        const std::string report = digitReport(digits, random);
        EXPECT_EQ(report.size(), digits == 3 ? 11000u : 14000u);
        const std::regex line(digits == 3 ? " [0-9]  [0-9]  [0-9] \r\n" : " [0-9]  [0-9]  [0-9]  [0-9] \r\n");
        const std::size_t width = 3 * static_cast<std::size_t>(digits) + 2;
        for (std::size_t at = 0; at < report.size(); at += width)
            ASSERT_TRUE(std::regex_match(report.substr(at, width), line)) << "at byte " << at;
    }
}

TEST(DigitReport, ExtremeDrawsGiveZeroAndNineNeverTen)
{
    FixedRandom zero({0.0f});
    EXPECT_EQ(digitReport(3, zero).substr(0, 11), " 0  0  0 \r\n");
    FixedRandom almostOne({0.99999994f});
    const std::string nines = digitReport(4, almostOne);
    EXPECT_EQ(nines.substr(0, 14), " 9  9  9  9 \r\n");
    EXPECT_EQ(nines.find("10"), std::string::npos);
}

TEST(DigitReport, FirstDrawStandsLeftmost)
{
    FixedRandom sequence({0.1f, 0.2f, 0.3f});
    EXPECT_EQ(digitReport(3, sequence).substr(0, 11), " 1  2  3 \r\n");
}

TEST(Pick3Click, ReplacesWhatThePaneHeldWithTheReport)
{
    ScriptedClick click({});
    click.pane.setText("old text\n");
    click.run(Pick3_Click);
    RandomSource same;
    same.reseed(42.0);
    EXPECT_EQ(click.pane.text(), digitReport(3, same));
    EXPECT_EQ(click.pane.selectionFont().name, "Courier");
    EXPECT_EQ(click.pane.selectionFont().size, 10);
    EXPECT_TRUE(click.pane.paneFont().bold);
}
