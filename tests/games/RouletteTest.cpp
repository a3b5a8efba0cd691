#include "PrintWriter.h"
#include "Roulette.h"
#include "TestSupport.h"
#include "TextFunctions.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string spinLine(int pocket, RouletteTally& tally)
{
    PrintWriter out;
    writeSpin(out, pocket, tally);
    return out.take();
}

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
        EXPECT_EQ(spinLine(pocket, tally), line) << pocket;
    }
}

TEST(RouletteSpin, CountsEachWinningBetOnce)
{
    RouletteTally tally;
    for (int pocket : {17, 0, kDoubleZero, 36})
        spinLine(pocket, tally);
    EXPECT_EQ(tally.black, 1);
    EXPECT_EQ(tally.red, 1);
    EXPECT_EQ(tally.low + tally.high, 2);
    EXPECT_EQ(tally.odd + tally.even, 2);
    EXPECT_EQ(tally.bond12, 1);
    EXPECT_EQ(tally.bond13, 1);
    EXPECT_EQ(tally.bond23, 2);
}

TEST(RouletteSummary, LaysOutTalliesBondWinsSeedAndTime)
{
    RouletteTally tally{474, 480, 470, 484, 476, 478, 640, 625, 615};
    PrintWriter out;
    writeRouletteSummary(out, tally, 123456789.25, 45678);
    const std::string rule = std::string(54, '-') + "\r\n";
    EXPECT_EQ(out.str(), rule + "+  blk 480 lo 470 ev 476 \r\n"
                             + "+  red 474 hi 484 od 478 \r\n" + rule
                             + "Total Bond wins (+) ............   640    625    615 \r\n"
                               "Expected Bond wins (+) .........   631    631    631 \r\n"
                               "Difference from expected .......    9     -6     -16 \r\n"
                             + rule
                             + "  123456789.25 (random seed)     * Timer: 45678 seconds since mid-nite\r\n");
}

TEST(RouletteSummary, FourDigitTallyPushesTheNextTabOntoANewLine)
{
    RouletteTally tally;
    tally.red = tally.low = tally.odd = 1000;
    PrintWriter out;
    writeRouletteSummary(out, tally, 1, 0);
    EXPECT_NE(out.str().find("\r\n+  red 1000 \r\n           hi 0   od 1000 \r\n"), std::string::npos);
}

TEST(RouletteReport, TalliesAgreeWithTheSpinLines)
{
    RandomSource random;
    random.reseed(2024.5);
    const std::string report = rouletteReport(random, 2024.5, 45679.5f);
    std::istringstream lines(report);
    std::string line;
    std::string spins;
    std::size_t zeros = 0;
    std::size_t doubleZeros = 0;
    for (int i = 0; i < 1000 && std::getline(lines, line); ++i) {
        ASSERT_EQ(line.size(), 54u) << line; // 53 and the CR
        zeros += line.compare(0, 3, "  0") == 0;
        doubleZeros += line.compare(0, 3, " 00") == 0;
        spins += line + "\n";
    }
    EXPECT_GT(doubleZeros, 0u);
    EXPECT_EQ(occurrences(spins, " 37 "), 0u);
    const std::size_t numbers = 1000 - zeros - doubleZeros;
    EXPECT_EQ(occurrences(spins, "  red") + occurrences(spins, "black"), numbers);
    EXPECT_EQ(occurrences(spins, " low") + occurrences(spins, "high"), numbers);
    EXPECT_EQ(occurrences(spins, "even") + occurrences(spins, " odd"), numbers);
    EXPECT_EQ(occurrences(spins, "+"), 2 * numbers);

    EXPECT_NE(report.find("+  blk" + Str(occurrences(spins, "black")) + " "), std::string::npos);
    EXPECT_NE(report.find("+  red" + Str(occurrences(spins, "  red")) + " "), std::string::npos);
    EXPECT_NE(report.find("Total Bond wins (+) ............  " + Str(occurrences(spins, "D1&2+"))),
              std::string::npos);
    // The time of day is rounded half to even.
    const std::string seedLine = "  2024.5 (random seed)" + std::string(10, ' ')
                                 + " * Timer: 45680 seconds since mid-nite\r\n";
    EXPECT_EQ(report.substr(report.size() - seedLine.size()), seedLine);
}

TEST(RouletteClick, ShowsTheReportOfTheSeedInBold)
{
    ScriptedClick click({});
    click.pane.setText("old");
    click.run(Roulette_Click);
    RandomSource same;
    same.reseed(42.0);
    EXPECT_EQ(click.pane.text(), rouletteReport(same, 42.0, 43200.5f));
    EXPECT_TRUE(click.pane.paneFont().bold);
    EXPECT_TRUE(click.dialogs.shown().empty());
}
