// SPDX-License-Identifier: GPL-3.0-or-later
// Histories as lotteries and their followers publish them, a few rows of
// each layout written here by hand, checked against lines that hit them.
#include "DrawHistory.h"
#include "DrawsTesting.h"

#include <gtest/gtest.h>

namespace {

// What a check says about where it hit: the draws read, the tiers that name
// their draws and lines, the bonus tiers; or its error.
std::string hits(const HistoryResult& result)
{
    std::string text;
    for (const std::string& line : result.lines())
        if (line.find(" (") != std::string::npos || line.find("bonus") != std::string::npos
            || line.rfind("Draws", 0) == 0 || !result.error.empty())
            text += line + "\n";
    return text;
}

const std::string kCanada =
    "\xEF\xBB\xBF\"PRODUCT\",\"DRAW NUMBER\",\"SEQUENCE NUMBER\",\"DRAW DATE\",\"NUMBER DRAWN 1\",\"NUMBER DRAWN 2\","
    "\"NUMBER DRAWN 3\",\"NUMBER DRAWN 4\",\"NUMBER DRAWN 5\",\"NUMBER DRAWN 6\",\"BONUS NUMBER\"\r\n"
    "\"649\",1,0,\"1982-06-12\",3,11,12,14,41,43,13\r\n"
    "\"649\",2,0,\"1982-06-19\",8,33,36,37,39,41,9\r\n";

} // namespace

TEST(HistoryLayouts, ReadsEachPublishedLayoutByItsHeader)
{
    const LastReport lotto6 = reportOf("Pick6", {"49"});
    const LastReport power = reportOf("Power51", {"69", "26"});
    const LastReport euro = reportOf("EuroCombs", {"50", "12"});
    const std::string sixOfSix = "6 of 6: 1 pair";
    const std::vector<DrawsCase> cases = {
        {"Canada 6/49: quoted, a byte-order mark, the bonus apart",
         "   3  11  12  14  41  43\r\n   3  11  12  13  14  41\r\n", lotto6,
         "Draws read: 2\n6 of 6: 1 pair (row 2 on 1982-06-12)\n5 of 6 + bonus: 1 pair\n"
         "best 6 of 6: 1 line (line 1)\nbest 5 of 6 + bonus: 1 line\n",
         kCanada},
        {"New York Powerball: the sixth winning number is the Powerball", "  11  42  43  59  61   25\r\n", power,
         "Draws read: 2\n5 of 5 + 1 of 1: 1 pair (row 2 on 03/28/2026)\nbest 5 of 5 + 1 of 1: 1 line (line 1)\n",
         "Draw Date,Winning Numbers,Multiplier\r\n03/28/2026,11 42 43 59 61 25,4\r\n03/25/2026,03 14 42 52 65 12,2\r\n"},
        {"New York Mega Millions: zero-padded, an empty multiplier", "   1  12  23  34  45    7\r\n", power,
         "Draws read: 1\n5 of 5 + 1 of 1: 1 pair (row 2 on 03/27/2026)\nbest 5 of 5 + 1 of 1: 1 line (line 1)\n",
         "Draw Date,Winning Numbers,Mega Ball,Multiplier\n03/27/2026,01 12 23 34 45,07,\n"},
        {"followers' file: whites joined by |, a multiplier 3X; the lines read by their shape",
         "  18  30  40  48  52    9\r\n", std::nullopt,
         "Draws read: 1\n5 of 5 + 1 of 1: 1 pair (row 2 on 10/07/2015)\nbest 5 of 5 + 1 of 1: 1 line (line 1)\n",
         "date,white_balls,red_ball,power_play\n10/07/2015,18|30|40|48|52,9,3X\n"},
        {"U.K. Lotto: two draws a night, ball sets and machines", "   4  15  23  30  41  47\r\n",
         reportOf("Pick6", {"59"}),
         "Draws read: 2\n6 of 6: 1 pair (row 2 on 18-Feb-2026)\n5 of 6 + bonus: 0 pairs\nbest 6 of 6: 1 line (line 1)\n"
         "best 5 of 6 + bonus: 0 lines\n",
         "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Bonus Ball,Ball Set,Machine,DrawNumber\n"
         "18-Feb-2026,4,15,23,30,41,47,12,7,Merlin,3150\n18-Feb-2026,2,9,17,25,38,44,5,3,Arthur,3151\n"},
        {"a bonus ball may be the biggest number", "   4  15  23  30  41  47\r\n   4  15  23  30  41  59\r\n",
         reportOf("Pick6", {"59"}),
         "Draws read: 1\n6 of 6: 1 pair (row 2 on 18-Feb-2026)\n5 of 6 + bonus: 1 pair\nbest 6 of 6: 1 line (line 1)\n"
         "best 5 of 6 + bonus: 1 line\n",
         "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Bonus Ball,Ball Set,Machine,DrawNumber\n"
         "18-Feb-2026,4,15,23,30,41,47,59,7,Merlin,3150\n"},
        {"U.K. EuroMillions: Lucky Stars, a raffle code", "   3  11  20  27  38    2   7\r\n", euro,
         "Draws read: 1\n5 of 5 + 2 of 2: 1 pair (row 2 on 17-Feb-2026)\nbest 5 of 5 + 2 of 2: 1 line (line 1)\n",
         "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Lucky Star 1,Lucky Star 2,UK Millionaire Maker,DrawNumber\n"
         "17-Feb-2026,3,11,20,27,38,2,7,XBCD12345,1890\n"},
        {"France EuroMillions: semicolons, prizes with decimal commas", "   4  16  28  33  47    2   9\r\n", euro,
         "Draws read: 1\n5 of 5 + 2 of 2: 1 pair (row 2 on 20/02/2026)\nbest 5 of 5 + 2 of 2: 1 line (line 1)\n",
         "annee_numero_de_tirage;jour_de_tirage;date_de_tirage;date_de_forclusion;boule_1;boule_2;boule_3;boule_4;"
         "boule_5;etoile_1;etoile_2;rapport_du_rang1\n2026015;VENDREDI;20/02/2026;20/04/2026;4;16;28;33;47;2;9;"
         "17000000,00\n"},
        {"France Loto: the chance number is a second drum", "   5  12  29  34  41    7\r\n", std::nullopt,
         "Draws read: 1\n5 of 5 + 1 of 1: 1 pair (row 2 on 16/02/2026)\nbest 5 of 5 + 1 of 1: 1 line (line 1)\n",
         "annee_numero_de_tirage;jour_de_tirage;date_de_tirage;boule_1;boule_2;boule_3;boule_4;boule_5;"
         "numero_chance;rapport_du_rang1\n2026020;LUNDI;16/02/2026;5;12;29;34;41;7;2000000,00\n"},
        {"Texas: month, day and year apart", "   4   6   7  31  41  48\r\n", lotto6,
         "Draws read: 1\n6 of 6: 1 pair (row 2 on 11/14/1992)\nbest 6 of 6: 1 line (line 1)\n",
         "Game Name,Month,Day,Year,Num1,Num2,Num3,Num4,Num5,Num6\nLotto Texas,11,14,1992,4,6,7,31,41,48\n"},
        {"our own CSV export", "  11  42  43  59  61   25\r\n", power,
         "Draws read: 1\n5 of 5 + 1 of 1: 1 pair (row 2)\nbest 5 of 5 + 1 of 1: 1 line (line 1)\n",
         "n1,n2,n3,n4,n5,pb\r\n11,42,43,59,61,25\r\n"},
        {"plain text: a date, a draw number and a date, a date and a draw number",
         "   3  11  19  27  38  45\r\n", lotto6,
         "Draws read: 3\n6 of 6: 1 pair (row 3 on 28.11.2026)\nbest 6 of 6: 1 line (line 1)\n",
         "2026-11-21 4 15 23 30 41 47\n3150,2026-11-25,2,9,17,25,38,44\n28.11.2026;1234;3;11;19;27;38;45\n"},
        {"a header no vocabulary knows: its rows read by their shape", "   3  11  19  27  38  45\r\n", lotto6,
         "Draws read: 1\n6 of 6: 1 pair (row 2 on 2026-11-28)\nbest 6 of 6: 1 line (line 1)\n",
         "Datum,Z1,Z2,Z3,Z4,Z5,Z6\n2026-11-28,3,11,19,27,38,45\n"},
        {"a byte-order mark before the first draw keeps it", "   3  11  19  27  38  45\r\n", lotto6,
         "Draws read: 1\n6 of 6: 1 pair (row 1)\nbest 6 of 6: 1 line (line 1)\n", "\xEF\xBB\xBF" "3 11 19 27 38 45\n"},
        {"a typo in the first draw is no header", "   3  11  19  27  38  45\r\n", lotto6,
         "Line 1 of the history: 50 is out of range: the numbers run from 1 to 49.\n", "3 11 19 27 38 50\n3 11 19 27 38 45\n"},
        {"10 is no digit", " 3  7  0 \r\n", std::nullopt,
         "Line 3 of the history: 10 is out of range: the digits run from 0 to 9.\n", "3 7 0\n0 7 3\n3 7 10\n"},
        {"a digit 0 counts like any other", " 3  7  0 \r\n", std::nullopt,
         "Draws read: 3\nin order: 1 pair (row 1)\nbest in order: 1 line (line 1)\n", "3 7 0\n0 7 3\n3 7 9\n"},
        {"a typo in a later draw", "   3  11  19  27  38  45\r\n", lotto6,
         "Line 2 of the history: 50 is out of range: the numbers run from 1 to 49.\n", "3 11 19 27 38 45\n3 11 19 27 38 50\n"},
        {"a number twice in a later draw", "   3  11  19  27  38  45\r\n", lotto6,
         "Line 2 of the history: 11 is drawn twice.\n",
         "3 11 19 27 38 45\n3 11 11 27 38 45\n"},
        {"a seventh number", "   3  11  19  27  38  45\r\n", std::nullopt,
         "Line 2 of the history: The draw holds 7 numbers where 6 are needed.\n",
         "3 11 19 27 38 45\n3 11 19 27 38 45 46\n"},
        {"Keno lines read by their shape against draws of 20",
         "   1   2   3   4   5   6   7   8   9  10\r\n", std::nullopt,
         "Draws read: 1\n10 of 10: 1 pair (row 1)\nbest 10 of 10: 1 line (line 1)\n",
         "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20\n"},
        {"tickets against their games' winners", "GIANTS    49ERS     JETS\r\nVIKING    RAMS      DOLPHI\r\n",
         std::nullopt, "Draws read: 1\n2 of 3 right: 1 pair (row 2)\nbest 2 of 3 right: 1 ticket (line 1)\n",
         "g1,g2,g3\nGiants, Rams, Jets\n"},
        {"as many commas as semicolons: the commas part the teams, as in CSV",
         "GIANTS    49ERS     JETS\r\nVIKING    RAMS      DOLPHI\r\n", std::nullopt,
         "Line 2 of the history: \"Jets;Dolphins\" is not a team of game 2 (49ERS or RAMS).\n",
         "Giants, Rams, Jets\nGiants;Rams,Jets;Dolphins,Vikings\n"},
        {"a team of another game", "GIANTS    49ERS     JETS\r\nVIKING    RAMS      DOLPHI\r\n", std::nullopt,
         "Line 2 of the history: \"Rams\" is not a team of game 1 (GIANTS or VIKING).\n",
         "Giants, Rams, Jets\nRams, Jets, Giants\n"},
    };
    for (const DrawsCase& c : cases)
        EXPECT_EQ(hits(checkHistory(c.text, c.against, given(c.report))), c.expected) << c.what;
}

TEST(HistoryLayouts, ChartsTheNumbersAHistoryDrewAndTestsWhetherTheyCameUpEvenly)
{
    const LastReport lotto6 = reportOf("Pick6", {"49"});
    const Frequencies frequencies = checkHistory("   3  11  12  14  41  43\r\n", kCanada, &lotto6).frequencies;
    ASSERT_EQ(frequencies.groups.size(), 1u);
    EXPECT_EQ(frequencies.summary(), "2 draws of the history");
    EXPECT_EQ(frequencies.groups[0].bars.size(), 49u);
    EXPECT_EQ(frequencies.groups[0].total(), 12); // the bonus is no drawn number
    EXPECT_EQ(frequencies.groups[0].bars[40].count, 2); // 41 in both draws
    EXPECT_EQ(frequencies.groups[0].uniformity,
              "no test: too few draws (each number expected 0.24 times; the test needs at least 5).");
}
