// SPDX-License-Identifier: GPL-3.0-or-later
#include "SportsBetting.h"

#include "Dialogs.h"
#include "ParameterFile.h"
#include "Pane.h"
#include "PrintWriter.h"
#include "RandomSource.h"
#include "Rounding.h"
#include "TextFile.h"
#include "TextFunctions.h"

#include <optional>

namespace {

int gameColumn(std::size_t game) { return 10 * static_cast<int>(game) - 9; }

} // namespace

std::string ticketReport(const std::vector<Game>& games, RandomSource& random)
{
    std::vector<int> firstCounts(games.size(), 0);
    std::vector<int> secondCounts(games.size(), 0);
    PrintWriter out;
    out.reserve(103 * (10 * games.size() + 2));
    for (int ticket = 0; ticket < 100; ++ticket) {
        for (std::size_t y = 0; y < games.size(); ++y) {
            const bool first = drawNumber(random, 2) == 1;
            ++(first ? firstCounts[y] : secondCounts[y]);
            out.tab(gameColumn(y + 1)).text(first ? games[y].firstTeam : games[y].secondTeam);
        }
        out.endLine();
    }
    out.tab(1).text(String(9 * (games.size() + 1), '-')).endLine();
    for (std::size_t y = 0; y < games.size(); ++y)
        out.tab(gameColumn(y + 1)).text(games[y].firstTeam).number(firstCounts[y]);
    out.endLine();
    for (std::size_t y = 0; y < games.size(); ++y)
        out.tab(gameColumn(y + 1)).text(games[y].secondTeam).number(secondCounts[y]);
    out.endLine();
    return out.take();
}

const char* gameFileHelp()
{
    return "You must have already created the GAME files.\n"
           "A game file consists of team pairs competing\n"
           "against each other; teams separated by , (commas).\n"
           "For example, a 5-game file consists of 5-pair teams: \n"
           "Giants, Vikings\n"
           "Rams, 49ers\n"
           "Jets, Dolphins\n"
           "Ravens, Steelers\n"
           "Raiders, Chiefs\n"
           "Be sure to press Enter after each line, including the last one!\n"
           "Save the file(s) in a folder of your choice.\n"
           "Coin-tossing can be represented by a GAMES.1 file:\n"
           "Heads, Tails\n";
}

void USBet_Click(ClickContext& click)
{
    static const char* const kTitle = "Number Of Games To Bet On";
    static const char* const kPrompt = "How many games to bet on (4, 5, 7, 8, 9,...12...):\n"
                                       "If you did not create your game files, click Cancel,\n"
                                       "and read the info in the text box.\n"
                                       "Then click Edit and type the teams.\n"
                                       "Press Save when done. Filenames must be:\n"
                                       "GAMES.5 = for a 5-pair file; GAMES.8 for 8 games...\n";
    click.reseed();
    click.clearAndStyle(false);
    click.pane.setText(gameFileHelp());

    const ParameterFile file("USBet.INI", {5});
    const auto answers = askParameters(
        click, file, {{kPrompt, kTitle}},
        [](std::size_t, double answer, double) -> std::optional<double> {
            // An answer beyond 16 bits leaves the count 0, which ends the command.
            const int games = toInt16(answer).value_or(0);
            if (games == 0)
                return std::nullopt;
            return games;
        });
    if (!answers)
        return;
    const int games = static_cast<int>(answers->front());
    if (games < 0) {
        click.dialogs.message("A positive number of games is needed.", kTitle);
        return;
    }
    rememberAnswers(click.dialogs, file, *answers, kTitle);

    FileDialogRequest request{"Open A Game File", "GAMES." + std::to_string(games)};
    request.mustExist = true;
    const auto path = click.dialogs.openFile(request);
    if (!path)
        return;
    // As Open does, a pipe, a device or a file above the limit is refused
    // before it is read; the pane keeps the help text.
    if (const auto reason = refusalOf(*path, kLargestTextBytes)) {
        click.dialogs.message("Cannot open \"" + *path + "\": " + *reason + ".", request.title);
        return;
    }
    click.report.values.push_back({request.title, *path});
    // A game file that cannot be read leaves every name empty.
    const auto bytes = readFileBytes(*path, nullptr, kLargestTextBytes);
    const std::string text = decodeText(bytes.value_or(""));
    const std::vector<Game> teams = readGames(text, games);
    // The tickets keep six letters; a game whose teams share them would
    // give tickets that no one can read back.
    const std::string alike = sameTicketNames(text, games);
    if (!alike.empty())
        click.dialogs.message(alike + "Rename a team of each in the game file so that the tickets tell them apart.",
                              "U.S. Bet");

    click.clearAndStyle(false);
    click.show(ticketReport(teams, click.random));
}
