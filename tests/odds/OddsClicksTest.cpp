#include "EuroOdds.h"
#include "LottoOdds.h"
#include "OddsCalculators.h"
#include "PowerOdds.h"
#include "TestSupport.h"
#include "TextFunctions.h"

#include <gtest/gtest.h>

TEST(OddsMessages, ReportTheJackpotOddsOfRealGames)
{
    EXPECT_EQ(lottoOddsMessage({49, 6}), " Total combinations of 49 taken 6 at a time is : 13,983,816");
    EXPECT_EQ(lottoOddsMessage({80, 20}),
              " Total combinations of 80 taken 20 at a time is : 3,535,316,142,212,174,336");
    EXPECT_EQ(lottoOddsMessage({10, 12}), " Total combinations of 10 taken 12 at a time is : ");
    EXPECT_EQ(lottoOddsMessage({32767, 16000}),
              " Total combinations of 32767 taken 16000 at a time is : more than 10^308");

    const struct {
        PowerOddsGame game;
        const char* count;
    } power[] = {
        {{{49, 5}, 42}, "80,089,128"}, {{{69, 5}, 26}, "292,201,338"},
        {{{70, 5}, 25}, "302,575,350"}, {{{59, 5}, 35}, "175,223,510"},
        {{{10, 12}, 5}, ""},            {{{7, 7}, 20}, "20"},
    };
    for (const auto& p : power)
        EXPECT_EQ(powerOddsMessage(p.game),
                  " Total combinations of" + Str(p.game.regular.biggest) + " taken"
                      + Str(p.game.regular.perLine) + " at a time + " + Str(p.game.biggestPowerBall)
                      + " PowerBall is : " + p.count);
    EXPECT_EQ(powerOddsMessage({{49, 5}, 42}),
              " Total combinations of 49 taken 5 at a time +  42 PowerBall is : 80,089,128");

    EXPECT_EQ(euroOddsMessage({{50, 5}, {9, 2}}), " Total combinations of:  50/ 5 AND  9/ 2 = 76,275,360");
    EXPECT_EQ(euroOddsMessage({{50, 5}, {12, 2}}), " Total combinations of:  50/ 5 AND  12/ 2 = 139,838,160");
    EXPECT_EQ(euroOddsMessage({{50, 5}, {3, 4}}), " Total combinations of:  50/ 5 AND  3/ 4 = ");
    // No combination of the first set, however many of the second.
    EXPECT_EQ(euroOddsMessage({{10, 12}, {32767, 16000}}),
              " Total combinations of:  10/ 12 AND  32767/ 16000 = ");
}

TEST(OddsReports, PutThePowerBallAndTheSecondSetInTheirFields)
{
    FixedRandom zero({0.0f});
    EXPECT_EQ(powerOddsReport({{3, 3}, 42}, zero).substr(0, 15), "  1  2  3   1\r\n");
    FixedRandom last({0.999f});
    EXPECT_EQ(powerOddsReport({{3, 3}, 42}, last).substr(0, 15), "  1  2  3  42\r\n");
    FixedRandom draws({0.0f});
    const std::string euro = euroOddsReport({{3, 2}, {3, 4}}, draws);
    EXPECT_EQ(euro.substr(0, 18), "  1  2   1  2  3\r\n");
    EXPECT_EQ(draws.drawn(), 6000u);
}

TEST(AnyLottoClick, ShowsTheOddsThenTheCombinationsAndRemembersTheGame)
{
    TempDirectory directory;
    ScriptedClick click({"80", "20"});
    click.run(AnyLotto_Click);
    EXPECT_EQ(click.messages.str(),
              "[Lotto Odds]  Total combinations of 80 taken 20 at a time is : 3,535,316,142,212,174,336\n");
    RandomSource same;
    same.reseed(42.0);
    EXPECT_EQ(click.pane.text(), lottoOddsReport({80, 20}, same));
    EXPECT_EQ(click.pane.selectionFont().name, "Courier");
    EXPECT_EQ(readFile("LotOdds.INI"), " 80            20 \r\n");
    EXPECT_EQ(click.dialogs.shown()[0].defaultText, " 49");
}

TEST(OddsClicks, EndQuietlyOnZeroOrOverflowAndRefuseNegativesWithAMessage)
{
    const struct {
        ClickProcedure procedure;
        const char* file;
        std::vector<std::string> answers;
        const char* message;
    } cases[] = {
        {AnyLotto_Click, "LotOdds.INI", {""}, ""},
        {AnyLotto_Click, "LotOdds.INI", {"49", "0.4"}, ""},
        {AnyLotto_Click, "LotOdds.INI", {"40000"}, ""},
        {AnyLotto_Click, "LotOdds.INI", {"-40000"}, ""},
        {AnyLotto_Click, "LotOdds.INI", {"-5", "2"}, "[Biggest Number] The value must be positive.\n"},
        {PowerOdds_Click, "PowerOdds.INI", {"49", "5", ""}, ""},
        {PowerOdds_Click, "PowerOdds.INI", {"49", "5", "-5"},
         "[The Biggest PowerBall number:] The value must be positive.\n"},
        {EuroOdds_Click, "EuroOdds.INI", {"50", "5", "12", ""}, ""},
        {EuroOdds_Click, "EuroOdds.INI", {"50", "5", "12", "-0.6"},
         "[Numbers/Line = 2nd ballset] The value must be positive.\n"},
    };
    for (const auto& c : cases) {
        TempDirectory directory;
        writeFile(c.file, "12\r\n"); // the first value reads, so the file stands
        ScriptedClick click(c.answers);
        click.pane.setText("old");
        click.run(c.procedure);
        EXPECT_EQ(click.pane.text(), "") << c.file << " " << c.answers.back();
        EXPECT_EQ(click.messages.str(), c.message) << c.answers.back();
        EXPECT_EQ(readFile(c.file), "12\r\n");
    }
}

TEST(OddsClicks, RefuseAReportBeyond64MiBAfterTheOdds)
{
    TempDirectory directory;
    ScriptedClick click({"30000", "30000"});
    click.run(AnyLotto_Click);
    EXPECT_EQ(click.dialogs.shown().size(), 4u);
    EXPECT_EQ(click.dialogs.shown()[2].text,
              " Total combinations of 30000 taken 30000 at a time is : 1");
    EXPECT_EQ(click.dialogs.shown()[3].title, "Lotto Odds");
    EXPECT_EQ(click.pane.text(), "");
}

TEST(EuroOddsClick, RemembersTheTwoBallsetsOnTwoLines)
{
    TempDirectory directory;
    ScriptedClick click({"50", "5", "12", "2"});
    click.run(EuroOdds_Click);
    EXPECT_EQ(readFile("EuroOdds.INI"), " 50            5 \r\n 12            2 \r\n");
    EXPECT_EQ(click.pane.text().size(), 1000u * 24);
}
