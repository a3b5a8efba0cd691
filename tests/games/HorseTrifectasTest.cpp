#include "HorseTrifectas.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

namespace {

// Every 14-byte line of a report matches `line`.
bool everyLineMatches(const std::string& report, const std::regex& line)
{
    for (std::size_t at = 0; at < report.size(); at += 14)
        if (!std::regex_match(report.substr(at, 14), line))
            return false;
    return report.size() == 1000u * 14;
}

} // namespace

TEST(TrifectaReport, ThreeHorsesGivePermutationsOfOneTwoThree)
{
    RandomSource random;
    random.reseed(7.25);
    const std::string report = trifectaReport(3, random);
    ASSERT_EQ(report.size(), 1000u * 14);
    for (std::size_t at = 0; at < report.size(); at += 14) {
        std::string digits = {report[at + 3], report[at + 7], report[at + 11]};
        std::sort(digits.begin(), digits.end());
        ASSERT_EQ(digits, "123") << report.substr(at, 14);
        ASSERT_EQ(report.substr(at + 12, 2), "\r\n");
    }
}

TEST(TrifectaReport, NumbersAreRightAlignedInFourColumns)
{
    RandomSource random;
    random.reseed(99.0);
    const std::string twelve = trifectaReport(12, random);
    EXPECT_TRUE(everyLineMatches(twelve, std::regex("( {3}[1-9]| {2}1[0-2]){3}\r\n")));
    EXPECT_NE(twelve.find("  12"), std::string::npos);

    // A fraction rounds the field up: 8.5 horses are numbered 1 to 9.
    const std::string eightAndAHalf = trifectaReport(8.5, random);
    EXPECT_TRUE(everyLineMatches(eightAndAHalf, std::regex("( {3}[1-9]){3}\r\n")));
    EXPECT_NE(eightAndAHalf.find("   9"), std::string::npos);
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
    EXPECT_EQ(click.dialogs.shown()[0].title, "Number of Horses in The Race");
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

TEST(HorsesClick, LargestFieldIsAccepted)
{
    TempDirectory dir;
    ScriptedClick click({"32767"});
    click.run(Horses_Click);
    EXPECT_EQ(click.messages.str(), "");
    EXPECT_EQ(readFile("Horses.INI"), " 32767 \r\n");
    EXPECT_FALSE(click.pane.text().empty());
}
