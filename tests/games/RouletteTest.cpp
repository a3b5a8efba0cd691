#include "PrintWriter.h"
#include "Roulette.h"
#include "TestSupport.h"
#include "TextFunctions.h"

#include <gtest/gtest.h>

namespace {

std::size_t occurrences(const std::string& text, const std::string& word)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
        ++count;
    return count;
}

} // namespace

TEST(RouletteSpin, LinesOfTheWheelsPockets)
{
    const std::string noNumber = std::string(31, ' ') + "D1&2-  D1&3-  D2&3-\r\n";
    const std::pair<int, std::string> cases[] = {
        {17, " 17 black  low  odd  Doz_2 Col_2  D1&2+  D1&3-  D2&3+\r\n"},
        {1, "  1   red  low  odd  Doz_1 Col_1  D1&2+  D1&3+  D2&3-\r\n"},
        {36, " 36   red high even  Doz_3 Col_3  D1&2-  D1&3+  D2&3+\r\n"},
        {9, "  9   red  low  odd  Doz_1 Col_3  D1&2+  D1&3+  D2&3-\r\n"},
        {20, " 20 black high even  Doz_2 Col_2  D1&2+  D1&3-  D2&3+\r\n"},
        {0, "  0" + noNumber},
        {kDoubleZero, " 00" + noNumber},
    };
    for (const auto& [pocket, line] : cases) {
        RouletteTally tally;
        PrintWriter out;
        writeSpin(out, pocket, tally);
        EXPECT_EQ(out.str(), line) << pocket;
    }
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

    RouletteTally allRed;
    allRed.red = allRed.low = allRed.odd = 1000;
    PrintWriter pastTab;
    writeRouletteSummary(pastTab, allRed, 1, 0);
    EXPECT_NE(pastTab.str().find("\r\n+  red 1000 \r\n           hi 0   od 1000 \r\n"), std::string::npos);
}

TEST(RouletteClick, TalliesAgreeWithTheSpinLines)
{
    ScriptedClick click({});
    click.run(Roulette_Click);
    const std::string report = click.pane.text();
    ASSERT_GT(report.size(), 1000u * 55);
    const std::string spins = report.substr(0, 1000 * 55);
    for (std::size_t at = 53; at < spins.size(); at += 55)
        ASSERT_EQ(spins.substr(at, 2), "\r\n") << at;
    EXPECT_GT(occurrences(spins, "\n 00 "), 0u);
    EXPECT_EQ(occurrences(spins, " 37 "), 0u);
    const std::size_t numbers = 1000 - occurrences(spins, "D1&2-  D1&3-  D2&3-");
    EXPECT_EQ(occurrences(spins, "  red") + occurrences(spins, "black"), numbers);
    EXPECT_EQ(occurrences(spins, " low") + occurrences(spins, "high"), numbers);
    EXPECT_EQ(occurrences(spins, "even") + occurrences(spins, " odd"), numbers);
    EXPECT_EQ(occurrences(spins, "+"), 2 * numbers);
    EXPECT_NE(report.find("+  blk" + Str(occurrences(spins, "black")) + " "), std::string::npos);
    EXPECT_NE(report.find("Total Bond wins (+) ............  " + Str(occurrences(spins, "D1&2+"))),
              std::string::npos);
    // The clock's 43200.5 seconds round half to even.
    const std::string seedLine = "  42 (random seed)" + std::string(14, ' ')
                                 + " * Timer: 43200 seconds since mid-nite\r\n";
    EXPECT_EQ(report.substr(report.size() - seedLine.size()), seedLine);
    EXPECT_TRUE(click.pane.paneFont().bold);
}
