// SPDX-License-Identifier: GPL-3.0-or-later
#include "EuroOdds.h"

#include "CombinationCount.h"
#include "CountFormat.h"
#include "Dialogs.h"
#include "OddsCalculators.h"
#include "OddsClick.h"
#include "PrizeTiers.h"
#include "PrintWriter.h"
#include "TextFunctions.h"

std::string euroOddsMessage(const EuroOddsGame& game)
{
    const double first = CombinationCount(game.first.biggest, game.first.perLine);
    const double second = CombinationCount(game.second.biggest, game.second.perLine);
    // A ballset with no combination leaves none, even beside a count that
    // overflowed.
    const double jackpot = first == 0 || second == 0 ? 0 : first * second;
    return " Total combinations of: " + Str(game.first.biggest) + "/" + Str(game.first.perLine)
           + " AND " + Str(game.second.biggest) + "/" + Str(game.second.perLine) + " = "
           + countText(jackpot);
}

std::string euroOddsDetails(const EuroOddsGame& game)
{
    return tierTable({{game.first.biggest, game.first.perLine},
                      Drum{game.second.biggest, game.second.perLine}});
}

std::size_t euroOddsLongestLine(const EuroOddsGame& game)
{
    return longestSelection(game.first) + 1 + longestSelection(game.second) + 2;
}

std::string euroOddsReport(const EuroOddsGame& game, RandomSource& random)
{
    return drawReport(euroOddsLongestLine(game), [&](PrintWriter& out) {
        writeSelection(out, random, game.first);
        out.text(" ");
        writeSelection(out, random, game.second);
    });
}

void EuroOdds_Click(ClickContext& click)
{
    click.clearAndStyle();
    click.reseed();
    const ParameterFile file("EuroOdds.INI", {50, 5, 9, 2}, {2, 2});
    const auto values = askOddsParameters(
        click, file,
        {{"Enter the BIGGEST number in the 1st ballset:", "Biggest Number - 1st Set"},
         {"How many numbers/combination in the 1st ballset:", "Numbers/Line = 1st ballset"},
         {"Enter the BIGGEST number in the 2nd ballset:", "Biggest Number - 2nd Set"},
         {"How many numbers/combination in the 2nd ballset:", "Numbers/Line = 2nd ballset"}});
    if (!values)
        return;
    const EuroOddsGame game{{(*values)[0], (*values)[1]}, {(*values)[2], (*values)[3]}};
    const std::string title = "Euro Millions Odds";
    click.dialogs.message(euroOddsMessage(game), title, euroOddsDetails(game));
    if (reportFits(click, euroOddsLongestLine(game), title))
        click.show(euroOddsReport(game, click.random));
}
