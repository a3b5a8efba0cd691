// SPDX-License-Identifier: GPL-3.0-or-later
#include "PowerOdds.h"

#include "CombinationCount.h"
#include "CountFormat.h"
#include "Dialogs.h"
#include "NumberField.h"
#include "OddsCalculators.h"
#include "OddsClick.h"
#include "PrintWriter.h"
#include "PrizeTiers.h"
#include "RandomSource.h"
#include "TextFunctions.h"

std::string powerOddsMessage(const PowerOddsGame& game)
{
    const double jackpot =
        CombinationCount(game.regular.biggest, game.regular.perLine) * game.biggestPowerBall;
    return " Total combinations of" + Str(game.regular.biggest) + " taken" + Str(game.regular.perLine)
           + " at a time + " + Str(game.biggestPowerBall) + " PowerBall is : " + countText(jackpot);
}

std::string powerOddsDetails(const PowerOddsGame& game)
{
    return tierTable({{game.regular.biggest, game.regular.perLine}, Drum{game.biggestPowerBall, 1}});
}

std::size_t powerOddsLongestLine(const PowerOddsGame& game)
{
    return longestSelection(game.regular) + numberFieldWidth(game.biggestPowerBall, 4) + 2;
}

std::string powerOddsReport(const PowerOddsGame& game, RandomSource& random)
{
    return drawReport(powerOddsLongestLine(game), [&](PrintWriter& out) {
        writeSelection(out, random, game.regular);
        out.numberField(drawNumber(random, game.biggestPowerBall), 4);
    });
}

void PowerOdds_Click(ClickContext& click)
{
    click.reseed();
    click.clearAndStyle();
    const ParameterFile file("PowerOdds.INI", {49, 5, 42});
    const auto values = askOddsParameters(
        click, file,
        {{"Enter the biggest NON-PowerBall number:", "The Biggest NON-PowerBall number:"},
         {"How many NON-PowerBall numbers in a combination:", "Regular Numbers/Line"},
         {"Enter the biggest PowerBall number:", "The Biggest PowerBall number:"}});
    if (!values)
        return;
    const PowerOddsGame game{{(*values)[0], (*values)[1]}, (*values)[2]};
    const std::string title = "PowerBall Odds";
    click.dialogs.message(powerOddsMessage(game), title, powerOddsDetails(game));
    if (reportFits(click, powerOddsLongestLine(game), title))
        click.show(powerOddsReport(game, click.random));
}
