#include "SportsBetting.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

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
    struct Case {
        const char* text;
        int count;
        std::vector<std::pair<std::string, std::string>> games;
    };
    const Case cases[] = {
        {kFiveGames, 2, {{"GIANTS", "VIKING"}, {"RAMS", "49ERS"}}},
        {"Heads, Tails\n", 3, {{"HEADS", "TAILS"}, {"", ""}, {"", ""}}},
        {"Lions\nBears, Packers\nJets, Dolphins\n", 2, {{"LIONS", "BEARS"}, {"PACKER", "JETS"}}},
        {"\"New York, NY\", Boston\n", 1, {{"NEW YO", "BOSTON"}}},
        {"M\xC3\xBCnchen,\nK\xC3\xB6ln, Bonn\n", 2, {{"MÜNCHE", ""}, {"KÖLN", "BONN"}}},
    };
    for (const auto& c : cases) {
        const std::vector<Game> games = readGames(c.text, c.count);
        ASSERT_EQ(games.size(), c.games.size()) << c.text;
        for (std::size_t i = 0; i < games.size(); ++i) {
            EXPECT_EQ(games[i].firstTeam, c.games[i].first) << c.text;
            EXPECT_EQ(games[i].secondTeam, c.games[i].second) << c.text;
        }
    }
}

TEST(TicketReport, CoinBelowOneHalfPicksTheFirstTeam)
{
    FixedRandom coins({0.49999997f, 0.5f});
    const auto lines = linesOf(ticketReport({{"HEADS", "TAILS"}}, coins));
    ASSERT_EQ(lines.size(), 103u);
    EXPECT_EQ(lines[0], "HEADS");
    EXPECT_EQ(lines[1], "TAILS");
    EXPECT_EQ(lines[100], std::string(18, '-'));
    EXPECT_EQ(lines[101], "HEADS 50 ");
    EXPECT_EQ(lines[102], "TAILS 50 ");
}

TEST(TicketReport, ACountOfHundredPushesTheNextNameOntoANewLine)
{
    FixedRandom first({0.0f});
    const auto lines = linesOf(ticketReport({{"GIANTS", "VIKING"}, {"RAMS", "49ERS"}}, first));
    ASSERT_EQ(lines.size(), 104u);
    EXPECT_EQ(lines[0], "GIANTS    RAMS");
    EXPECT_EQ(lines[101], "GIANTS 100 ");
    EXPECT_EQ(lines[102], std::string(10, ' ') + "RAMS 100 ");
    EXPECT_EQ(lines[103], "VIKING 0  49ERS 0 ");
}

TEST(USBetClick, FiveGameFileGivesTicketsInTenCharacterColumnsAndATally)
{
    TempDirectory dir;
    writeFile("GAMES.5", kFiveGames);
    ScriptedClick click({"5", "GAMES.5"});
    click.run(USBet_Click);
    const auto& shown = click.dialogs.shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].title, "Number Of Games To Bet On");
    EXPECT_EQ(shown[0].defaultText, " 5");
    EXPECT_EQ(shown[0].text.substr(0, 52), "How many games to bet on (4, 5, 7, 8, 9,...12...):\nI");
    EXPECT_EQ(std::count(shown[0].text.begin(), shown[0].text.end(), '\n'), 6);
    EXPECT_EQ(shown[0].text.back(), '\n');
    EXPECT_EQ(shown[1].title, "Open A Game File");
    EXPECT_EQ(shown[1].defaultText, "GAMES.5");
    EXPECT_FALSE(click.pane.paneFont().bold);

    const auto lines = linesOf(click.pane.text());
    ASSERT_EQ(lines.size(), 103u);
    const std::vector<Game> games = readGames(kFiveGames, 5);
    for (int ticket = 0; ticket < 100; ++ticket)
        for (std::size_t y = 0; y < 5; ++y) {
            const std::string pick = lines[ticket].substr(10 * y, 6);
            const std::string first = (games[y].firstTeam + "      ").substr(0, 6);
            const std::string second = (games[y].secondTeam + "      ").substr(0, 6);
            ASSERT_TRUE(pick == first || pick == second) << lines[ticket];
        }
    EXPECT_EQ(lines[100], std::string(54, '-'));
    for (std::size_t y = 0; y < 5; ++y) {
        EXPECT_EQ(lines[101].substr(10 * y, games[y].firstTeam.size()), games[y].firstTeam);
        EXPECT_EQ(lines[102].substr(10 * y, games[y].secondTeam.size()), games[y].secondTeam);
        const int firstCount = std::stoi(lines[101].substr(10 * y + games[y].firstTeam.size()));
        const int secondCount = std::stoi(lines[102].substr(10 * y + games[y].secondTeam.size()));
        EXPECT_EQ(firstCount + secondCount, 100) << y;
    }
}

TEST(USBetClick, EndsOnCancelZeroOrNegativeAndKeepsTheHelpText)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{""}, " 7 \r\n"},
        {{"0.5"}, " 7 \r\n"},
        {{"40000"}, " 7 \r\n"},
    };
    for (const auto& [answers, remembered] : cases) {
        TempDirectory dir;
        writeFile("USBet.INI", " 7 \r\n");
        ScriptedClick click(answers);
        click.run(USBet_Click);
        EXPECT_EQ(click.pane.text(), gameFileHelp()) << answers[0];
        EXPECT_EQ(click.messages.str(), "") << answers[0];
        EXPECT_EQ(readFile("USBet.INI"), remembered) << answers[0];
    }
    TempDirectory dir;
    ScriptedClick negative({"-3"});
    negative.run(USBet_Click);
    EXPECT_EQ(negative.pane.text(), gameFileHelp());
    EXPECT_EQ(negative.messages.str(), "[Number Of Games To Bet On] A positive number of games is needed.\n");
    EXPECT_EQ(readFile("USBet.INI"), " 5 \r\n");
}

TEST(USBetClick, CancelInTheOpenDialogKeepsTheHelpTextAndTheNewCount)
{
    TempDirectory dir;
    ScriptedClick click({"12", ""});
    click.run(USBet_Click);
    ASSERT_EQ(click.dialogs.shown().size(), 2u);
    EXPECT_EQ(click.dialogs.shown()[1].defaultText, "GAMES.12");
    EXPECT_EQ(click.pane.text(), gameFileHelp());
    EXPECT_EQ(readFile("USBet.INI"), " 12 \r\n");
}

TEST(USBetClick, OneGameFilesIncludingLatin1AndMissingOnes)
{
    const struct {
        const char* bytes; // nullptr: no such file
        std::string first;
        std::string second;
    } cases[] = {
        {"Heads, Tails\n", "HEADS", "TAILS"},
        {"K\xF6ln, M\xFCnchen\n", "K\u00D6LN", "M\u00DCNCHE"},
        {nullptr, "", ""},
    };
    for (const auto& c : cases) {
        TempDirectory dir;
        if (c.bytes)
            writeFile("GAMES.1", c.bytes);
        ScriptedClick click({"1", "GAMES.1"});
        click.run(USBet_Click);
        const auto lines = linesOf(click.pane.text());
        ASSERT_EQ(lines.size(), 103u) << c.first;
        for (int ticket = 0; ticket < 100; ++ticket)
            ASSERT_TRUE(lines[ticket] == c.first || lines[ticket] == c.second) << lines[ticket];
        EXPECT_EQ(lines[100], std::string(18, '-'));
        ASSERT_EQ(lines[101].compare(0, c.first.size() + 1, c.first + " "), 0) << lines[101];
        ASSERT_EQ(lines[102].compare(0, c.second.size() + 1, c.second + " "), 0) << lines[102];
        EXPECT_EQ(std::stoi(lines[101].substr(c.first.size())) + std::stoi(lines[102].substr(c.second.size())),
                  100);
    }
}
