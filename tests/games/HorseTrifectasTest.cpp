#include "HorseTrifectas.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <regex>

TEST(TrifectaReport, LinesAreThreeDistinctHorsesInFourColumnsEach)
{
    const struct {
        double horses;
        const char* line;
        const char* highest;
    } cases[] = {
        {3, "   ([123])   (?!\\1)([123])   (?!\\1|\\2)[123]\r\n", "   3"},
        {12, "( {3}[1-9]| {2}1[0-2]){3}\r\n", "  12"},
        {8.5, "( {3}[1-9]){3}\r\n", "   9"}, // a fraction rounds the field up
    };
    RandomSource random;
    random.reseed(7.25);
    for (const auto& c : cases) {
        const std::string report = trifectaReport(c.horses, random);
        ASSERT_EQ(report.size(), 1000u * 14) << c.horses;
        const std::regex line(c.line);
        for (std::size_t at = 0; at < report.size(); at += 14)
            ASSERT_TRUE(std::regex_match(report.substr(at, 14), line)) << report.substr(at, 14);
        EXPECT_NE(report.find(c.highest), std::string::npos) << c.horses;
    }
}

TEST(TrifectaReport, RepeatedHorsesAreRedrawn)
{
    FixedRandom draws({0.0f, 0.0f, 0.5f, 0.0f, 0.5f, 0.9f});
    EXPECT_EQ(trifectaReport(3, draws).substr(0, 14), "   1   2   3\r\n");
    EXPECT_EQ(draws.drawn(), 1000u * 6);
}

TEST(HorsesClick, FirstClickCreatesTheFileThenRemembersTheAnswer)
{
    TempDirectory dir;
    ScriptedClick click({"8.5"});
    click.run(Horses_Click);
    ASSERT_EQ(click.dialogs.shown().size(), 1u);
    EXPECT_EQ(click.dialogs.shown()[0].defaultText, " 8");
    EXPECT_EQ(readFile("Horses.INI"), " 8.5 \r\n");
    RandomSource same;
    same.reseed(42.0);
    EXPECT_EQ(click.pane.text(), trifectaReport(8.5, same));
}

TEST(HorsesClick, CancelAndAnswersOutOfRangeLeaveAnEmptyPaneAndTheOldValue)
{
    const std::string range = "[Number of Horses in The Race] The number of horses must be from 3 to 32767.\n";
    const std::pair<const char*, std::string> cases[] = {
        {"", ""}, {"abc", ""}, {"2.99", range}, {"-5", range}, {"32767.5", range},
    };
    for (const auto& [answer, message] : cases) {
        TempDirectory dir;
        writeFile("Horses.INI", " 10 \r\n");
        ScriptedClick click({answer});
        click.pane.setText("old");
        click.run(Horses_Click);
        EXPECT_EQ(click.pane.text(), "") << answer;
        EXPECT_EQ(click.messages.str(), message) << answer;
        EXPECT_EQ(readFile("Horses.INI"), " 10 \r\n") << answer;
    }
}
