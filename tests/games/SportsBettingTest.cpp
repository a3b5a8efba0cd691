#include "SportsBetting.h"
#include "TestSupport.h"
#include "TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <sys/stat.h>

namespace {

const char* const kFiveGames = "Giants, Vikings\r\nRams, 49ers\r\nJets, Dolphins\r\n"
                               "Ravens, Steelers\r\nRaiders, Chiefs\r\n";

std::vector<std::string> linesOf(const std::string& report)
{
    std::vector<std::string> lines;
    std::istringstream in(report);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line.substr(0, line.size() - 1)); // without the CR
    return lines;
}

} // namespace

TEST(TicketName, UpperCasesAndCutsToSixCharacters)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Vikings", "VIKING"}, {"49ers", "49ERS"}, {"", ""}, {"élan vital", "ÉLAN V"},
        {"Münchenßtadt", "MÜNCHE"}, {"ÿ÷x", "Ÿ÷X"}, {"日本語のチーム", "日本語のチー"},
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
    };
    for (const auto& [text, count, teams] : cases) {
        Teams read;
        for (const Game& game : readGames(text, count))
            read.emplace_back(game.firstTeam, game.secondTeam);
        EXPECT_EQ(read, teams) << text;
    }
}

TEST(TicketReport, CoinPicksTheFirstTeamBelowOneHalfAndCountsFillTenColumns)
{
    FixedRandom coins({0.49999997f, 0.5f});
    auto lines = linesOf(ticketReport({{"HEADS", "TAILS"}}, coins));
    ASSERT_EQ(lines.size(), 103u);
    EXPECT_EQ(lines[0] + "|" + lines[1], "HEADS|TAILS");
    EXPECT_EQ(lines[100], std::string(18, '-'));
    EXPECT_EQ(lines[101] + "|" + lines[102], "HEADS 50 |TAILS 50 ");

    // A count of 100 runs past the next game's column, which starts a new line.
    FixedRandom first({0.0f});
    lines = linesOf(ticketReport({{"GIANTS", "VIKING"}, {"RAMS", "49ERS"}}, first));
    ASSERT_EQ(lines.size(), 104u);
    EXPECT_EQ(lines[0], "GIANTS    RAMS");
    EXPECT_EQ(lines[101] + "|" + lines[102], "GIANTS 100 |          RAMS 100 ");
    EXPECT_EQ(lines[103], "VIKING 0  49ERS 0 ");
}

TEST(USBetClick, GameFilesGiveTicketsInTenCharacterColumnsAndATally)
{
    const struct {
        const char* bytes; // nullptr: no such file
        int games;
        std::vector<Game> teams;
    } cases[] = {
        {kFiveGames, 5, readGames(kFiveGames, 5)},
        {"Heads, Tails\n", 1, {{"HEADS", "TAILS"}}},
        {"K\xF6ln, M\xFCnchen\n", 1, {{"K\u00D6LN", "M\u00DCNCHE"}}}, // Latin-1 bytes
        {nullptr, 2, {{"", ""}, {"", ""}}},
    };
    for (const auto& c : cases) {
        TempDirectory dir;
        if (c.bytes)
            writeFile("GAMES.txt", c.bytes);
        ScriptedClick click({std::to_string(c.games), "GAMES.txt"});
        click.run(USBet_Click);
        ASSERT_EQ(click.dialogs.shown().size(), 2u);
        EXPECT_EQ(click.dialogs.shown()[1].defaultText, "GAMES." + std::to_string(c.games));
        EXPECT_FALSE(click.pane.paneFont().bold);
        const auto lines = linesOf(click.pane.text());
        ASSERT_EQ(lines.size(), 103u);
        EXPECT_EQ(lines[100], std::string(9 * (c.teams.size() + 1), '-'));
        for (std::size_t y = 0; y < c.teams.size(); ++y) {
            const std::string& first = c.teams[y].firstTeam;
            const std::string& second = c.teams[y].secondTeam;
            for (int ticket = 0; ticket < 100; ++ticket) {
                const std::string from = lines[ticket].substr(std::min(10 * y, lines[ticket].size()));
                ASSERT_TRUE(from.rfind(first, 0) == 0 || from.rfind(second, 0) == 0) << lines[ticket];
            }
            ASSERT_EQ(lines[101].compare(10 * y, first.size() + 1, first + " "), 0) << lines[101];
            ASSERT_EQ(lines[102].compare(10 * y, second.size() + 1, second + " "), 0) << lines[102];
            EXPECT_EQ(std::stoi(lines[101].substr(10 * y + first.size()))
                          + std::stoi(lines[102].substr(10 * y + second.size())),
                      100);
        }
    }
}

TEST(USBetClick, EndsOnCancelZeroOrNegativeAndKeepsTheHelpText)
{
    const std::string positive = "[Number Of Games To Bet On] A positive number of games is needed.\n";
    const std::tuple<std::vector<std::string>, std::string, std::string> cases[] = {
        {{""}, " 7 \r\n", ""},
        {{"0.5"}, " 7 \r\n", ""},
        {{"40000"}, " 7 \r\n", ""},
        {{"-3"}, " 7 \r\n", positive},
        {{"12", ""}, " 12 \r\n", ""}, // Cancel in the open dialog
        {{"2", "pipe"}, " 2 \r\n",
         "[Open A Game File] Cannot open \"pipe\": it is a named pipe, not a regular file.\n"},
        {{"2", "big"}, " 2 \r\n", "[Open A Game File] Cannot open \"big\": the file is larger than 64 MiB.\n"},
    };
    for (const auto& [answers, remembered, message] : cases) {
        TempDirectory dir;
        ::mkfifo("pipe", 0600);
        writeFile("big", "");
        std::filesystem::resize_file("big", kLargestTextBytes + 1);
        writeFile("USBet.INI", " 7 \r\n");
        ScriptedClick click(answers);
        click.run(USBet_Click);
        EXPECT_EQ(click.dialogs.shown()[0].defaultText, " 7");
        EXPECT_EQ(click.pane.text(), gameFileHelp()) << answers[0];
        EXPECT_EQ(click.messages.str(), message) << answers[0];
        EXPECT_EQ(readFile("USBet.INI"), remembered) << answers[0];
    }
}
