// SPDX-License-Identifier: GPL-3.0-or-later
#include "BSDCalculator.h"
#include "FFGCalculator.h"
#include "OddsCalculators.h"
#include "ProbabilityCalculator.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

std::string introductionOf(ClickProcedure calculator)
{
    ScriptedClick click({""});
    calculator(click.context);
    return click.pane.text();
}

} // namespace

TEST(ProbabilityReports, WriteTheDefaultsByteForByte)
{
    EXPECT_EQ(ffgReport(6, 49, 50), "\r\n  The number of trials N for an event of probability\r\n"
                                    "  p =  0.12244898 ( 6 / 49 )\r\n  to appear at least once \r\n"
                                    "  with the degree of certainty DC = 50 % is: \r\n\r\n"
                                    "                        N = 5.31 \r\n\r\n  A sequential series is assumed. \r\n");
    EXPECT_NE(ffgReport(1, 49, 99.5f).find("DC = 99.5 % is: "), std::string::npos);
    EXPECT_EQ(bsdReport(6, 49, 50),
              "\r\n The standard deviation for an event of probability \r\n p =  0.12244898 ( 6 / 49 )\r\n"
              " in 50 binomial experiments is: \r\n                    BSD =  2.32 \r\n\r\n"
              "The expected (theoretical) number of successes is: 6\r\n\r\n"
              "Based on the Normal Probability Rule:\r\n\r\n"
              "* 68.2% of the successes will fall within 1 Standard Deviation\r\nfrom 6- i.e., between 4 - 8\r\n"
              "** 95.4% of the successes will fall within 2 Standard Deviations\r\nfrom 6- i.e., between 2 - 10\r\n"
              "*** 99.7% of the successes will fall within 3 Standard Deviations\r\nfrom 6- i.e., between  - 12\r\n"
              "\r\n");
}

TEST(BSDReport, RoundsHalvesToEvenForTheRangesAndAwayForTheCounts)
{
    // BSD 2.5 gives ranges of 2, around the 12.5 successes written as 13.
    const std::tuple<std::int16_t, double, const char*> reports[] = {
        {49, 50, "\r\nfrom 1- i.e., between -2 - 4\r\n"},
        {2, 25, "\r\nfrom 13- i.e., between 11 - 15\r\n"},
        {2, 10.5, "\r\n in 11 binomial experiments is: \r\n"},
        {2, 2500000000.0, "\r\n in 2,500,000,000 binomial experiments is: \r\n"},
    };
    for (const auto& [cases, trials, expected] : reports)
        EXPECT_NE(bsdReport(1, cases, trials).find(expected), std::string::npos) << expected;
}

TEST(RoundToPlaces, SendsOnlyExactTiesToTheEvenDigit)
{
    EXPECT_EQ(roundToPlaces(0.125, 2), 0.12);
    EXPECT_EQ(roundToPlaces(0.375, 2), 0.38);
    EXPECT_EQ(roundToPlaces(2.675, 2), 2.67); // the double lies just below 2.675
}

// A rejection leaves the introduction and the file; an empty answer reads as 0.
TEST(ProbabilityCalculators, ShowTheReportInThePaneFontAndRememberTheAnswersOrEnd)
{
    const std::tuple<ClickProcedure, std::vector<std::string>, std::string, std::string> cases[] = {
        {FFGCalculator, {"1", "49", "99.5"}, ffgReport(1, 49, 99.5f), " 1             49            99.5 \r\n"},
        {BSDCalculator, {"2.5", "3.5", "10.5"}, bsdReport(2, 4, 10.5), " 2             4             10.5 \r\n"},
        {FFGCalculator, {"0"}, "", ""},          {FFGCalculator, {"2", "2"}, "", ""},
        {FFGCalculator, {"1", "2", ""}, "", ""}, {FFGCalculator, {"1", "2", "100"}, "", ""},
        {BSDCalculator, {"1", "2", "0"}, "", ""},
    };
    for (const auto& [calculator, answers, report, after] : cases) {
        SCOPED_TRACE(testing::PrintToString(answers));
        TempDirectory directory;
        const char* file = calculator == FFGCalculator ? "FFG.INI" : "StDv.INI";
        writeFile(file, " 1 , 2 , 3 \r\n");
        ScriptedClick click(answers);
        click.pane.setSelectionFontName("Arial");
        click.run(calculator);
        EXPECT_EQ(click.pane.text(), report.empty() ? introductionOf(calculator) : report);
        EXPECT_EQ(click.pane.selectionFont().name, "Arial");
        EXPECT_EQ(readFile(file), after.empty() ? " 1 , 2 , 3 \r\n" : after);
        EXPECT_EQ(click.dialogs.shown()[0].text, "Enter the 1st element n of probability p=n/N: n must be LESS "
                                                  "THAN N - the 2nd element.For example: 1/2 (coin tossing).");
    }
    // With no file yet, the questions offer 6 of 49 in 50 trials.
    for (const ClickProcedure calculator : {FFGCalculator, BSDCalculator}) {
        TempDirectory directory;
        ScriptedClick click({});
        click.run(calculator);
        std::string defaults;
        for (const auto& shown : click.dialogs.shown())
            defaults += shown.defaultText + "|";
        EXPECT_EQ(defaults, " 6| 49| 50|"); // as Str writes them
        EXPECT_EQ(click.pane.text(), calculator == FFGCalculator ? ffgReport(6, 49, 50) : bsdReport(6, 49, 50));
    }
    // With no file yet, a click that ends at its first question writes none.
    TempDirectory directory;
    EXPECT_EQ(introductionOf(BSDCalculator).substr(0, 53), "This option applies the Binomial Standard Deviation.\n");
    EXPECT_EQ(folderEntries(), std::vector<std::string>{});
}

TEST(ProbabilityCalculators, PassAnOverflowToTheCaller)
{
    TempDirectory directory;
    ScriptedClick click({"1", "40000"});
    EXPECT_THROW(click.run(FFGCalculator), OverflowError);
    EXPECT_EQ(click.pane.text(), introductionOf(FFGCalculator));
    EXPECT_THROW(bsdReport(1, 2, 1e300), OverflowError);
}
