// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawCheck.h"
#include "DrawsTesting.h"

#include <gtest/gtest.h>

namespace {

const std::string kLotto6 = "   3  11  19  27  38  45\r\n"
                            "   3  11  19  27  38  46\r\n"
                            "   1   2   4   5   6   7\r\n"
                            "   3  11  19  27  40  41\r\n";
const std::string kPowerOdds = "  3  9   2\r\n  3  9   1\r\n  1  2   2\r\n";
const std::string kPowerTiers = "2 of 2 + 1 of 1: 1 line (line 1)\n2 of 2 + 0 of 1: 1 line\n1 of 2 + 1 of 1: 0 lines\n"
                                "1 of 2 + 0 of 1: 0 lines\n0 of 2 + 1 of 1: 1 line\n0 of 2 + 0 of 1: 0 lines\n";

} // namespace

TEST(DrawCheck, TalliesEveryGameInItsTiersOrSaysWhatIsWrongWithTheDraw)
{
    std::string twelve;
    for (int i = 0; i < 12; ++i)
        twelve += "   3  11  19  27  38  45\r\n";
    const LastReport lotto = reportOf("Pick6", {"49"});
    const LastReport horses = reportOf("Horses", {"8"});
    const std::vector<DrawsCase> cases = {
        {"lotto 49/6", kLotto6, lotto,
         "Draw: 3 11 19 27 38 45\n6 of 6: 1 line (line 1)\n5 of 6: 1 line\n4 of 6: 1 line\n3 of 6: 0 lines\n"
         "2 of 6: 0 lines\n1 of 6: 0 lines\n0 of 6: 1 line\n"
         "4 distinct lines hold the jackpot with probability 1 in 3,495,954\n", "3 11 19 27 38 45"},
        {"PowerBall 9/2 + 3", kPowerOdds, reportOf("PowerOdds", {"9", "2", "3"}),
         "Draw: 3 9 + 2\n" + kPowerTiers + "3 distinct lines hold the jackpot with probability 1 in 36\n", "3, 9 + 2"},
        {"PowerBall read by its shape", kPowerOdds, std::nullopt, "Draw: 3 9 + 2\n" + kPowerTiers, "3 9 + 2"},
        {"Euro 9/2 + 5/2, a line twice", "  3  9   2  5\r\n  3  8   2  4\r\n  3  8   2  4\r\n",
         reportOf("EuroOdds", {"9", "2", "5", "2"}),
         "Draw: 3 9 + 2 5\n2 of 2 + 2 of 2: 1 line (line 1)\n2 of 2 + 1 of 2: 0 lines\n2 of 2 + 0 of 2: 0 lines\n"
         "1 of 2 + 2 of 2: 0 lines\n1 of 2 + 1 of 2: 2 lines\n1 of 2 + 0 of 2: 0 lines\n0 of 2 + 2 of 2: 0 lines\n"
         "0 of 2 + 1 of 2: 0 lines\n0 of 2 + 0 of 2: 0 lines\n"
         "2 distinct lines hold the jackpot with probability 1 in 180\n", "3 9 + 2 5"},
        {"Keno: 10 spots against 20 drawn, no single jackpot",
         "   1   2   3   4   5   6   7   8   9  10\r\n   1   2  21  22  23  24  25  26  27  28\r\n",
         reportOf("Keno", {}), "Draw: 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20\n10 of 10: 1 line (line 1)\n"
         "9 of 10: 0 lines\n8 of 10: 0 lines\n7 of 10: 0 lines\n6 of 10: 0 lines\n5 of 10: 0 lines\n4 of 10: 0 lines\n"
         "3 of 10: 0 lines\n2 of 10: 1 line\n1 of 10: 0 lines\n0 of 10: 0 lines\n",
         "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20"},
        {"pick 3, digits typed together", " 3  7  0 \r\n 0  3  7 \r\n 3  7  1 \r\n", reportOf("Pick3", {}),
         "Draw: 3 7 0\nin order: 1 line (line 1)\nin any order: 2 lines\n"
         "3 distinct lines hold the jackpot with probability 1 in 333\n", "370"},
        {"trifecta of 8 horses", "   5   3   8\r\n   8   5   3\r\n   5   3   1\r\n", horses,
         "Draw: 5 3 8\nin order: 1 line (line 1)\nin any order: 2 lines\n"
         "3 distinct lines hold the jackpot with probability 1 in 112\n", "5 3 8"},
        // Two-digit numbers in three columns, or three misaligned in twelve, make lotto lines.
        {"lotto lines read by their shape", " 10 20 30\r\n   5  3    9\r\n", std::nullopt,
         "Draw: 10 20 30\n3 of 3: 1 line (line 1)\n2 of 3: 0 lines\n1 of 3: 0 lines\n0 of 3: 1 line\n", "10 20 30"},
        {"misaligned lotto lines read by their shape", "   5  3    9\r\n 10 20 30\r\n", std::nullopt,
         "Draw: 10 20 30\n3 of 3: 1 line (line 2)\n2 of 3: 0 lines\n1 of 3: 0 lines\n0 of 3: 1 line\n", "10 20 30"},
        {"two U.S. Bet tickets",
         "GIANTS    49ERS     JETS\r\nVIKING    49ERS     DOLPHI\r\n"
         "------------------------------------\r\nGIANTS 1  RAMS 2   JETS 1 \r\n",
         reportOf("USBet", {"3", "GAMES.3"}),
         "Draw: GIANTS, 49ERS, JETS\n3 of 3 right: 1 ticket (line 1)\n2 of 3 right: 0 tickets\n"
         "1 of 3 right: 1 ticket\n0 of 3 right: 0 tickets\n"
         "2 distinct tickets hold the jackpot with probability 1 in 4.00\n", "Giants, 49ers, Jets"},
        {"at most ten line numbers", twelve, std::nullopt,
         "Draw: 3 11 19 27 38 45\n6 of 6: 12 lines (lines 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 and 2 more)\n5 of 6: 0 lines\n"
         "4 of 6: 0 lines\n3 of 6: 0 lines\n2 of 6: 0 lines\n1 of 6: 0 lines\n0 of 6: 0 lines\n", "3 11 19 27 38 45"},
        {"no report lines", "Welcome to the generator.\n\n", std::nullopt, "The pane holds no lines to check.\n",
         "3 11 19 27 38 45"},
        {"too few", kLotto6, lotto, "The draw holds 5 numbers where 6 are needed.\n", "3 11 19 27 38"},
        {"too big", kLotto6, lotto, "50 is out of range: the numbers run from 1 to 49.\n", "3 11 19 27 38 50"},
        {"zero", kLotto6, std::nullopt, "0 is out of range: the numbers run from 1 up.\n", "0 11 19 27 38 45"},
        {"twice", kLotto6, lotto, "11 is drawn twice.\n", "3 11 11 27 38 45"},
        {"no number", kLotto6, lotto, "\"4S\" is not a number.\n", "3 11 19 27 38 4S"},
        {"a plus too many", kLotto6, lotto, "The lines hold one group of numbers: the draw takes no \"+\".\n",
         "3 11 19 27 38 45 + 7"},
        {"no plus", "   3  11  19  27  38    7\r\n", reportOf("Power51", {"53", "42"}),
         "The lines hold a second group of 1 number: give it after \"+\".\n", "3 11 19 27 38 7"},
        {"a PowerBall too big", "   3  11  19  27  38    7\r\n", reportOf("Power51", {"53", "42"}),
         "43 is out of range: the second drum's numbers run from 1 to 42.\n", "3 11 19 27 38 + 43"},
        {"a horse twice", "   5   3   8\r\n", horses, "5 is drawn twice.\n", "5 5 8"},
        {"a ninth horse of 8", "   5   3   8\r\n", horses, "9 is out of range: the horses run from 1 to 8.\n", "5 3 9"},
        {"no digit", " 3  7  0 \r\n", std::nullopt, "10 is out of range: the digits run from 0 to 9.\n", "3 7 10"},
        {"too few teams", "GIANTS    49ERS     JETS\r\n", std::nullopt,
         "The draw names 2 teams where 3 games are played.\n", "GIANTS 49ERS"},
    };
    for (const DrawsCase& c : cases)
        EXPECT_EQ(joined(checkDraw(c.text, c.against, given(c.report)).lines()), c.expected) << c.what;
}

TEST(DrawCheck, ReadsDrawsAsPastedAndRefusesOnesThatDoNotFitTheLines)
{
    const std::string greek = "\xce\x9f\xce\xbb\xcf\x85\xce\xbc\xcf\x80\xce\xb9    \xce\xa0\xce\x91\xce\x9f\xce\x9a      JETS\r\n";
    const std::string tickets = "GIANTS    49ERS     JETS\r\nVIKING    RAMS      DOLPHI\r\n";
    std::string thirty;
    std::string half;
    for (int n = 1; n <= 30; ++n) {
        thirty += " " + std::to_string(n);
        half += " " + std::to_string(n <= 15 ? n : n + 25);
    }
    std::string twenty;
    std::string noneBelow;
    for (int n = 62; n <= 81; ++n)
        twenty += " " + std::to_string(n);
    for (int right = 19; right >= 0; --right)
        noneBelow += std::to_string(right) + " of 20: 0 lines\n";
    const std::vector<DrawsCase> cases = {
        // Keno spots are fewer than the 20 numbers drawn: lines of 20 are no
        // Keno lines, and their numbers run past 80.
        {"lines of twenty numbers read by their shape", twenty + "\r\n", std::nullopt,
         "Draw:" + twenty + "\n20 of 20: 1 line (line 1)\n" + noneBelow, twenty},
        {"a pasted line end, tab and no-break spaces", kLotto6, std::nullopt,
         "Draw: 3 11 19 27 38 45\n6 of 6: 1 line (line 1)\n5 of 6: 1 line\n4 of 6: 1 line\n3 of 6: 0 lines\n"
         "2 of 6: 0 lines\n1 of 6: 0 lines\n0 of 6: 1 line\n",
         "3\t11\xc2\xa0" "19 27\xe2\x80\xaf" "38 45\r\n"},
        {"a saved report's byte-order mark", "\xEF\xBB\xBF   3  11  19  27  38  45\r\n", std::nullopt,
         "Draw: 3 11 19 27 38 45\n6 of 6: 1 line (line 1)\n5 of 6: 0 lines\n4 of 6: 0 lines\n3 of 6: 0 lines\n"
         "2 of 6: 0 lines\n1 of 6: 0 lines\n0 of 6: 0 lines\n",
         "3 11 19 27 38 45"},
        {"lines read by their shape take no seventh number", kLotto6, std::nullopt,
         "The draw holds 7 numbers where 6 are needed.\n", "3 11 19 27 38 45 46"},
        {"nor every number", kLotto6, std::nullopt, "The draw holds 30 numbers where 6 are needed.\n", thirty},
        {"one number is needed", kPowerOdds, std::nullopt, "The draw holds 2 numbers where 1 is needed.\n", "3 9 + 2 1"},
        {"a PowerBall the lines set off needs its plus", "   3  11  19  27  38    7\r\n", std::nullopt,
         "The lines hold a second group of 1 number: give it after \"+\".\n", "3 11 19 27 7 38"},
        {"team names read by their characters", greek, reportOf("USBet", {"3", "GAMES.3"}),
         "Draw: \xce\x9f\xce\xbb\xcf\x85\xce\xbc\xcf\x80\xce\xb9, \xce\xa0\xce\x91\xce\x9f\xce\x9a, JETS\n"
         "3 of 3 right: 1 ticket (line 1)\n2 of 3 right: 0 tickets\n1 of 3 right: 0 tickets\n0 of 3 right: 0 tickets\n"
         "1 distinct ticket holds the jackpot with probability 1 in 8.00\n",
         "\xce\x9f\xce\xbb\xcf\x85\xce\xbc\xcf\x80\xce\xb9\xce\xb1\xce\xba\xcf\x8c\xcf\x82, \xce\xa0\xce\x91\xce\x9f\xce\x9a, Jets"},
        {"a team of another game", tickets, std::nullopt, "\"Jets\" is not a team of game 2 (49ERS or RAMS).\n",
         "Giants, Jets, 49ers"},
        {"one game", "HEADS\r\nTAILS\r\n", reportOf("USBet", {"1", "GAMES.1"}),
         "The draw names 2 teams where 1 game is played.\n", "Heads, Tails"},
        {"more tiers than the odds box shows: those that hold nothing left out",
         thirty + "\r\n" + half + "\r\n" + thirty + "\r\n", std::nullopt,
         "Draw:" + thirty + "\n30 of 30: 2 lines (lines 1, 3)\n15 of 30: 1 line\n29 other tiers: 0 lines\n", thirty},
    };
    for (const DrawsCase& c : cases)
        EXPECT_EQ(joined(checkDraw(c.text, c.against, given(c.report)).lines()), c.expected) << c.what;

    // 49 of the 64 tickets of six coin tosses: 1 in 64/49.
    std::string coins;
    for (int ticket = 0; ticket < 49; ++ticket) {
        for (int game = 0; game < 6; ++game)
            coins += std::string(ticket >> game & 1 ? "T" : "H") + (game < 5 ? "         " : "\r\n");
    }
    const LastReport sixTosses = reportOf("USBet", {"6", "GAMES.6"});
    EXPECT_EQ(checkDraw(coins, "H H H H H H", &sixTosses).lines().back(),
              "49 distinct tickets hold the jackpot with probability 1 in 1.31");
}
