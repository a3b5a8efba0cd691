// SPDX-License-Identifier: GPL-3.0-or-later
#include "ButtonTable.h"
#include "LastReport.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(ReportReplay, MakesTheSameReportWithTheValuesAfterTheChecksAndNoPrompt)
{
    TempDirectory dir;
    writeFile("GAMES.3", "Giants, Vikings\r\nRams, 49ers\r\nJets, Dolphins\r\n");
    const struct {
        const char* button;
        std::vector<std::string> answers;
        std::vector<std::string> values; // as the report keeps them
    } cases[] = {
        {"Pick6", {"0"}, {"49"}}, // 0 takes the remembered value
        {"Power51", {"53.5", "42"}, {"53.5", "42"}},
        {"AnyLotto", {"49.4", "6"}, {"49", "6"}}, // stored into 16 bits
        {"EuroOdds", {"50", "5", "12", "2"}, {"50", "5", "12", "2"}},
        {"Horses", {"8.5"}, {"8.5"}},
        {"USBet", {"3", "GAMES.3"}, {"3", "GAMES.3"}},
        {"Roulette", {}, {}},
    };
    for (const auto& c : cases) {
        ScriptedClick first(c.answers, 12345.678);
        runButton(*findButton(c.button), first.context);
        const LastReport& report = first.context.report;
        ASSERT_TRUE(report.shown) << c.button;
        std::vector<std::string> values;
        for (const ReportValue& value : report.values)
            values.push_back(value.text);
        EXPECT_EQ(values, c.values) << c.button;

        // No answers and no fixed seed: the values and seed come from the report.
        ScriptedClick again({}, std::nullopt);
        runAgain(report, again.context);
        EXPECT_EQ(again.pane.text(), first.pane.text()) << c.button;
        for (const auto& shown : again.dialogs.shown())
            EXPECT_NE(shown.kind, "prompt") << c.button;
    }
}

TEST(ReportReplay, SeedTextReadsBackToTheSameDouble)
{
    for (double seed : {42.0, 0.1 + 0.2, 123456789.25, 987654321.123456789, 5e-324, 1e300})
        EXPECT_EQ(readSeed(roundTripText(seed)), seed);
    EXPECT_EQ(roundTripText(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(readSeed("1e999"), std::nullopt);
    EXPECT_EQ(readSeed("12abc"), std::nullopt);
}
