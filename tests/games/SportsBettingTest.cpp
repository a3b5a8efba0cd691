// SPDX-License-Identifier: GPL-3.0-or-later
#include "SportsBetting.h"
#include "TestSupport.h"
#include "TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

namespace {

const char* const kFiveGames = "Giants, Vikings\r\nRams, 49ers\r\nJets, Dolphins\r\n"
                               "Ravens, Steelers\r\nRaiders, Chiefs\r\n";

} // namespace

// ASCII and Latin-1 letters are upper-cased (but ÷ and ß), the rest kept.
TEST(TicketName, UpperCasesAndCutsToSixCharacters)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Vikings", "VIKING"}, {"49ers", "49ERS"},   {"", ""},
        {"az`{AZ", "AZ`{AZ"},  {"àþßÿ÷x", "ÀÞßŸ÷X"}, {"Münchenßtadt", "MÜNCHE"},
        {"日本語のチーム", "日本語のチー"},
    };
    for (const auto& [name, written] : cases)
        EXPECT_EQ(ticketName(name), written) << name;
}

TEST(ReadGames, TakesTwoFieldsPerGameFromTheStartOfTheFile)
{
    using Teams = std::vector<std::pair<std::string, std::string>>;
    const std::tuple<const char*, int, Teams> cases[] = {
        {kFiveGames, 2, {{"GIANTS", "VIKING"}, {"RAMS", "49ERS"}}},
        {"Heads, Tails\n", 3, {{"HEADS", "TAILS"}, {"", ""}, {"", ""}}},
        {"Lions\nBears, Packers\nJets, Dolphins\n", 2, {{"LIONS", "BEARS"}, {"PACKER", "JETS"}}},
        {"\"New York, NY\", Boston\n", 1, {{"NEW YO", "BOSTON"}}},
        {"Köln,\nBonn, Bern\n", 2, {{"KÖLN", ""}, {"BONN", "BERN"}}},
        {"Heads, Tails\n", -1, {}},
        {"\xEF\xBB\xBFGiants, Vikings\n", 1, {{"GIANTS", "VIKING"}}}, // an editor's byte-order mark
    };
    for (const auto& [text, count, teams] : cases) {
        Teams read;
        for (const Game& game : readGames(text, count))
            read.emplace_back(game.firstTeam, game.secondTeam);
        EXPECT_EQ(read, teams) << text;
    }
}

TEST(SameTicketNames, NamesEveryGameWhoseTwoTeamsPrintTheSameSixLetters)
{
    const std::tuple<const char*, int, const char*> cases[] = {
        {"New York Giants, New York Jets\nRams, 49ers\n", 2,
         "Game 1: \"New York Giants\" and \"New York Jets\" both print as NEW YO.\n"},
        {"Heads, heads\nGiants, Vikings\nLos Angeles Rams, \"Los Angeles, Chargers\"\n", 3,
         "Game 1: \"Heads\" and \"heads\" both print as HEADS.\n"
         "Game 3: \"Los Angeles Rams\" and \"Los Angeles, Chargers\" both print as LOS AN.\n"},
        // Teams of different games may share their letters: a ticket's column tells them apart.
        {"New York Giants, Dallas\nNew York Jets, Miami\n", 2, ""},
        {"Rams, 49ers\n", 3, ""}, // games past the end of the file have no teams
    };
    for (const auto& [text, count, said] : cases)
        EXPECT_EQ(sameTicketNames(text, count), said) << text;
}

TEST(TicketReport, CoinPicksTheFirstTeamBelowOneHalfAndCountsFillTenColumns)
{
    // 100 lines of picks, then the rule and the counts.
    FixedRandom coins({0.49999997f, 0.5f});
    const std::string coin = ticketReport({{"HEADS", "TAILS"}}, coins);
    EXPECT_EQ(coin.substr(0, 14), "HEADS\r\nTAILS\r\n");
    EXPECT_EQ(coin.substr(700), std::string(18, '-') + "\r\nHEADS 50 \r\nTAILS 50 \r\n");

    // A count of 100 runs past the next game's column, which starts a new line.
    FixedRandom first({0.0f});
    const std::string two = ticketReport({{"GIANTS", "VIKING"}, {"RAMS", "49ERS"}}, first);
    EXPECT_EQ(two.substr(0, 16), "GIANTS    RAMS\r\n");
    EXPECT_EQ(two.substr(1600),
              std::string(27, '-') + "\r\nGIANTS 100 \r\n          RAMS 100 \r\nVIKING 0  49ERS 0 \r\n");
}

// The help text stays in the pane until a game file is read; the pane is plain.
TEST(USBetClick, ReadsTheGameFileOrEndsOnCancelZeroOrNegative)
{
    const struct {
        std::vector<std::string> answers;
        const char* bytes; // of "GAMES.txt"; nullptr: no such file
        std::vector<Game> teams; // empty: the click ends before the file
        std::string remembered;
        std::string message;
    } cases[] = {
        {{"5", "GAMES.txt"}, kFiveGames, readGames(kFiveGames, 5), " 5 \r\n", ""},
        {{"1", "GAMES.txt"}, "K\xF6ln, M\xFCnchen\n", {{"K\u00D6LN", "M\u00DCNCHE"}}, " 1 \r\n", ""},
        {{"2", "GAMES.txt"}, nullptr, {{"", ""}, {"", ""}}, " 2 \r\n", ""},
        {{"0.5"}, kFiveGames, {}, " 7 \r\n", ""},
        {{"40000"}, kFiveGames, {}, " 7 \r\n", ""},
        {{"-3"}, kFiveGames, {}, " 7 \r\n", "[Number Of Games To Bet On] A positive number of games is needed.\n"},
        {{"12", ""}, kFiveGames, {}, " 12 \r\n", ""}, // Cancel in the open dialog
        {{"1", "GAMES.txt"}, "New York Giants, New York Jets\n", {{"NEW YO", "NEW YO"}}, " 1 \r\n",
         "[U.S. Bet] Game 1: \"New York Giants\" and \"New York Jets\" both print as NEW YO.\n"
         "Rename a team of each in the game file so that the tickets tell them apart.\n"},
        {{"2", "big"}, kFiveGames, {}, " 2 \r\n",
         "[Open A Game File] Cannot open \"big\": the file is larger than 64 MiB.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answers[0]);
        TempDirectory dir;
        writeFile("big", "");
        std::filesystem::resize_file("big", kLargestTextBytes + 1);
        writeFile("USBet.INI", " 7 \r\n");
        if (c.bytes)
            writeFile("GAMES.txt", c.bytes);
        ScriptedClick click(c.answers);
        click.pane.setFontBold(true);
        click.run(USBet_Click);
        if (c.answers.size() > 1) {
            EXPECT_EQ(click.dialogs.shown()[1].defaultText, "GAMES." + c.answers[0]);
        }
        click.random.reseed(42.0);
        EXPECT_EQ(click.pane.text(), c.teams.empty() ? gameFileHelp() : ticketReport(c.teams, click.random));
        EXPECT_FALSE(click.pane.paneFont().bold);
        EXPECT_EQ(click.messages.str(), c.message);
        EXPECT_EQ(readFile("USBet.INI"), c.remembered);
    }
}
