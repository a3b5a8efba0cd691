// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawHistory.h"
#include "DrawsTesting.h"
#include "NumberFrequencies.h"
#include "ReportCsv.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// What the lines were, then "first: 1 2 2 0 1 (120)": each group's counts in
// order and its mean in hundredths.
std::string countsOf(const Frequencies& frequencies)
{
    if (!frequencies.error.empty())
        return frequencies.error;
    std::string text = frequencies.summary() + "\n";
    for (const FrequencyGroup& group : frequencies.groups) {
        text += group.name + ":";
        for (const FrequencyBar& bar : group.bars)
            text += std::string(bar.value == "00" ? " 00=" : " ") + std::to_string(bar.count);
        text += " (" + std::to_string(std::lround(group.mean() * 100)) + ")\n";
    }
    return text;
}

const std::string kSpins = " 17 black  low  odd  Doz_2 Col_2  D1&2+  D1&3-  D2&3+\r\n"
                           "  0                               D1&2-  D1&3-  D2&3-\r\n"
                           " 00                               D1&2-  D1&3-  D2&3-\r\n"
                           "------------------------------------------------------\r\n"
                           "+  blk 1 lo 1 ev 0 \r\n";

} // namespace

TEST(NumberFrequencies, SaysWhatTheLinesWereAndCountsEveryValueOfEachGroup)
{
    const std::vector<DrawsCase> cases = {
        {"lines read by their shape run to the largest number; ten digits are no number",
         "  1  2  3\r\n  2  3  5\r\n  1  2 1000000000\r\n", std::nullopt,
         "2 lines read from the pane\nfirst: 1 2 2 0 1 (120)\n"},
        {"a known game runs to its biggest; the PowerBall apart", "  1  2  3   2\r\n  2  4  5   1\r\n",
         reportOf("PowerOdds", {"6", "3", "2"}),
         "2 lines of PowerOdds (v: 6, v: 3, v: 2)\nfirst: 1 2 1 1 1 0 (100)\nsecond: 1 1 (100)\n"},
        {"digits per position; a typed number where a digit belongs is left out",
         " 3  7  0 \r\n 3  1  0 \r\n 3 10  0 \r\n", reportOf("Pick3", {}),
         "3 lines of Pick3\nposition 1: 0 0 0 3 0 0 0 0 0 0 (30)\nposition 2: 0 1 0 0 0 0 0 1 0 0 (20)\n"
         "position 3: 3 0 0 0 0 0 0 0 0 0 (30)\n"},
        {"horses per place", "   4   2   1\r\n", reportOf("Horses", {"4"}),
         "1 line of Horses (v: 4)\nplace 1: 0 0 0 1 (25)\nplace 2: 0 1 0 0 (25)\nplace 3: 1 0 0 0 (25)\n"},
        {"the 38 pockets, 0 and 00 first", kSpins, std::nullopt,
         "3 lines read from the pane\n"
         "pocket: 1 00=1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 (8)\n"},
        {"typed numbers too big to chart", "  1  2 32768\r\n", std::nullopt,
         "The lines hold numbers above 32767, more than a chart can count."},
    };
    for (const DrawsCase& c : cases)
        EXPECT_EQ(countsOf(numberFrequencies(c.text, given(c.report))), c.expected) << c.what;

    // As a table: every bar of every group, in order.
    const LastReport power = reportOf("PowerOdds", {"3", "2", "1"});
    EXPECT_EQ(numberFrequencies("  1  3   1\r\n", &power).table(),
              "group,value,count\r\nfirst,1,1\r\nfirst,2,0\r\nfirst,3,1\r\nsecond,1,1\r\n");
}

// A ticket with a team too many or too few still gives each game its own.
TEST(GameTeams, TakesEachGamesTeamsFromTicketsOfAnyLength)
{
    const std::vector<ReportLine> tickets = {{1, {}, {}, {"GIANTS", "RAMS", "JETS"}}, {2, {}, {}, {"VIKING"}}};
    EXPECT_EQ(gameTeams("", tickets, 2), (GameTeams{{"GIANTS", "VIKING"}, {"RAMS"}}));
    // The tally below the dashes names a team no ticket picked, with its count;
    // a cell without a count (an edited tally) names none.
    const std::string tally = "-----------------\r\nNEW YO    49ERS 48 \r\nVIKING 46 RAMS \r\n";
    EXPECT_EQ(gameTeams(tally, {}, 2), (GameTeams{{"VIKING"}, {"49ERS"}}));
}

TEST(ReportCsv, WritesOneRowPerLineUnderItsHeader)
{
    const std::vector<DrawsCase> cases = {
        {"lines read by their shape", "  1  2  3\r\nnot a line\r\n  2  3  5\r\n", std::nullopt,
         "n1,n2,n3\r\n1,2,3\r\n2,3,5\r\n"},
        {"a PowerBall", "  1  2  3   2\r\n", reportOf("PowerOdds", {"6", "3", "2"}),
         "n1,n2,n3,pb\r\n1,2,3,2\r\n"},
        {"a Euro line's last two numbers", "   3  11  20  27  38    2   7\r\n", reportOf("EuroCombs", {"50", "12"}),
         "n1,n2,n3,n4,n5,s1,s2\r\n3,11,20,27,38,2,7\r\n"},
        {"digits", " 0  9  9  4 \r\n", std::nullopt, "d1,d2,d3,d4\r\n0,9,9,4\r\n"},
        {"a trifecta read by its shape", "   5   3  11\r\n", std::nullopt, "h1,h2,h3\r\n5,3,11\r\n"},
        {"spins with their bets, not the summary", kSpins, reportOf("Roulette", {}),
         "pocket,colour,low/high,even/odd,dozen,column,D1&2,D1&3,D2&3\r\n"
         "17,black,low,odd,Doz_2,Col_2,D1&2+,D1&3-,D2&3+\r\n0,,,,,,D1&2-,D1&3-,D2&3-\r\n"
         "00,,,,,,D1&2-,D1&3-,D2&3-\r\n"},
        {"tickets, a team with a comma or a quote quoted",
         "SMITH,    O\"NEAL    JETS\r\nGIANTS              DOLPHI\r\n------------------------------------\r\n"
         "SMITH, 1 O\"NEAL 1  JETS 1 \r\n", reportOf("USBet", {"3", "GAMES.3"}),
         "g1,g2,g3\r\n\"SMITH,\",\"O\"\"NEAL\",JETS\r\nGIANTS,,DOLPHI\r\n"},
        {"cells a spreadsheet would run as formulas", "=HYPER    @SUM      -1+2\r\n+CMD      \tTAB      JETS\r\n",
         reportOf("USBet", {"3", "GAMES.3"}), "g1,g2,g3\r\n'=HYPER,'@SUM,'-1+2\r\n'+CMD,'\tTAB,JETS\r\n"},
        {"a saved ticket report by its dash line, names cut by characters",
         "\xce\x9f\xce\xbb\xcf\x85\xce\xbc\xcf\x80\xce\xb9    49ERS\r\nVIKING    RAMS\r\n---------------------------\r\n"
         "VIKING 1  49ERS 1 \r\n", std::nullopt,
         "g1,g2\r\n\xce\x9f\xce\xbb\xcf\x85\xce\xbc\xcf\x80\xce\xb9,49ERS\r\nVIKING,RAMS\r\n"},
    };
    for (const DrawsCase& c : cases) {
        const CsvReport csv = reportCsv(c.text, given(c.report));
        EXPECT_EQ(csv.error.empty() ? csv.text : csv.error, c.expected) << c.what;
    }
}

TEST(DrawHistory, TalliesPairsAndEachLinesBestTier)
{
    const std::vector<DrawsCase> cases = {
        {"dates, a header, a blank line and semicolons", "  1  2  3\r\n  4  5  6\r\n",
         reportOf("AnyLotto", {"9", "3"}),
         "Draws read: 3\n3 of 3: 1 pair (row 2 on 2026-11-28)\n2 of 3: 1 pair\n1 of 3: 1 pair\n0 of 3: 3 pairs\n"
         "best 3 of 3: 1 line (line 1)\n"
         "best 2 of 3: 0 lines\nbest 1 of 3: 1 line\nbest 0 of 3: 0 lines\n",
         "date,n1,n2,n3\r\n2026-11-28,1,2,3\r\n28/11/2026 1 2 4\r\n\r\n2026.12.01;7;8;9\r\n"},
        {"two drums, a CSV row without its plus", "  1  2   3\r\n", reportOf("PowerOdds", {"9", "2", "3"}),
         "Draws read: 2\n2 of 2 + 1 of 1: 1 pair (row 1)\n2 of 2 + 0 of 1: 0 pairs\n1 of 2 + 1 of 1: 1 pair\n"
         "1 of 2 + 0 of 1: 0 pairs\n0 of 2 + 1 of 1: 0 pairs\n0 of 2 + 0 of 1: 0 pairs\n"
         "best 2 of 2 + 1 of 1: 1 line (line 1)\nbest 2 of 2 + 0 of 1: 0 lines\nbest 1 of 2 + 1 of 1: 0 lines\n"
         "best 1 of 2 + 0 of 1: 0 lines\nbest 0 of 2 + 1 of 1: 0 lines\nbest 0 of 2 + 0 of 1: 0 lines\n",
         "1,2,3\r\n1 5 + 3\r\n"},
        {"digits in order count in any order too", " 1  2  3 \r\n 3  2  1 \r\n", std::nullopt,
         "Draws read: 2\nin order: 2 pairs (rows 1, 2)\nin any order: 4 pairs\nbest in order: 2 lines (lines 1, 2)\n"
         "best in any order: 0 lines\n", "123\n321\n"},
        {"a draw that does not fit", "  1  2  3\r\n", reportOf("AnyLotto", {"9", "3"}),
         "Line 3 of the history: 12 is out of range: the numbers run from 1 to 9.\n", "1 2 3\n4 5 6\n4 5 12\n"},
        {"no draws", "  1  2  3\r\n", reportOf("AnyLotto", {"9", "3"}), "The history holds no draws.\n",
         "n1,n2,n3\n\n"},
        {"spins", kSpins, std::nullopt, "Roulette spins have no draw to be checked against.\n", "1\n"},
    };
    for (const DrawsCase& c : cases)
        EXPECT_EQ(joined(checkHistory(c.text, c.against, given(c.report)).lines()), c.expected) << c.what;
}
