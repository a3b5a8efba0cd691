// SPDX-License-Identifier: GPL-3.0-or-later
#include "EuroOdds.h"
#include "LottoOdds.h"
#include "OddsCalculators.h"
#include "OddsClick.h"
#include "PowerOdds.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <functional>

// The clicks below show the jackpot odds of each game.
TEST(OddsMessages, NoCombinationOfOneBallsetLeavesNoneHoweverManyTheOtherHas)
{
    EXPECT_EQ(euroOddsMessage({{10, 12}, {32767, 16000}}), " Total combinations of:  10/ 12 AND  32767/ 16000 = ");
}

TEST(OddsReports, PutThePowerBallAndTheSecondSetInTheirFields)
{
    // Four draws a line: the PowerBall takes the fourth.
    FixedRandom power({0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.999f});
    EXPECT_EQ(powerOddsReport({{3, 3}, 42}, power).substr(0, 30), "  1  2  3   1\r\n  1  2  3  42\r\n");
    FixedRandom draws({0.0f});
    EXPECT_EQ(euroOddsReport({{3, 2}, {3, 4}}, draws).substr(0, 18), "  1  2   1  2  3\r\n");
    EXPECT_EQ(draws.drawn(), 6000u);
    // The room reserved for a line is that of the widest line, CR LF included.
    EXPECT_EQ(powerOddsLongestLine({{3, 3}, 42}), 15u);
    EXPECT_EQ(euroOddsLongestLine({{3, 2}, {3, 4}}), 18u);
    EXPECT_EQ(lottoOddsLongestLine({120, 3}), 14u);
}

// Zero or an overflow ends a click quietly, a negative value with a message;
// either way the pane ends empty and, as the first value reads, the file stands.
TEST(OddsClicks, ShowTheOddsThenTheCombinationsAndRememberTheGameOrEnd)
{
    const struct {
        ClickProcedure procedure;
        const char* file;
        std::string before; // "": no file yet
        std::vector<std::string> answers;
        std::string message;
        std::string after = {}; // "": the file is left as it was
        std::function<std::string(RandomSource&)> report = {}; // none: the pane ends empty
    } cases[] = {
        // With no answers every prompt keeps its default.
        {AnyLotto_Click, "LotOdds.INI", "", {},
         "[Lotto Odds]  Total combinations of 49 taken 6 at a time is : 13,983,816\n",
         " 49            6 \r\n", [](RandomSource& r) { return lottoOddsReport({49, 6}, r); }},
        {PowerOdds_Click, "PowerOdds.INI", "", {},
         "[PowerBall Odds]  Total combinations of 49 taken 5 at a time +  42 PowerBall is : 80,089,128\n",
         " 49            5             42 \r\n", [](RandomSource& r) { return powerOddsReport({{49, 5}, 42}, r); }},
        {EuroOdds_Click, "EuroOdds.INI", "", {"50", "5", "12", "2"},
         "[Euro Millions Odds]  Total combinations of:  50/ 5 AND  12/ 2 = 139,838,160\n",
         " 50            5 \r\n 12            2 \r\n",
         [](RandomSource& r) { return euroOddsReport({{50, 5}, {12, 2}}, r); }},
        {AnyLotto_Click, "LotOdds.INI", "", {"30000", "30000"},
         "[Lotto Odds]  Total combinations of 30000 taken 30000 at a time is : 1\n"
         "[Lotto Odds] The combinations would fill more than 64 MiB of text. Choose fewer numbers per combination.\n",
         " 30000         30000 \r\n"},
        {AnyLotto_Click, "LotOdds.INI", "12\r\n", {""}, ""},
        {AnyLotto_Click, "LotOdds.INI", "12\r\n", {"-40000"}, ""},
        {AnyLotto_Click, "LotOdds.INI", "12\r\n", {"-5", "2"},
         "[Biggest Number] The value must be positive.\n"},
        {PowerOdds_Click, "PowerOdds.INI", "12\r\n", {"49", "5", "-5"},
         "[The Biggest PowerBall number:] The value must be positive.\n"},
        {EuroOdds_Click, "EuroOdds.INI", "12\r\n", {"50", "5", "12", "-0.6"},
         "[Numbers/Line = 2nd ballset] The value must be positive.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.file << " " << testing::PrintToString(c.answers));
        TempDirectory directory;
        if (!c.before.empty())
            writeFile(c.file, c.before);
        ScriptedClick click(c.answers);
        click.pane.setText("old");
        click.run(c.procedure);
        EXPECT_EQ(click.messages.str(), c.message);
        EXPECT_EQ(readFile(c.file), c.after.empty() ? c.before : c.after);
        click.random.reseed(42.0);
        EXPECT_EQ(click.pane.text(), c.report ? c.report(click.random) : "");
        EXPECT_EQ(click.pane.selectionFont().name, "Courier");
    }
}

TEST(OddsClicks, RefuseAReportBeyond64MiB)
{
    // 1000 lines of 67108 bytes stay within 64 MiB; a byte more does not.
    ScriptedClick click({});
    EXPECT_TRUE(reportFits(click.context, 67108, "Lotto Odds"));
    EXPECT_FALSE(reportFits(click.context, 67109, "Lotto Odds"));
}
