// SPDX-License-Identifier: GPL-3.0-or-later
#include "LottoOdds.h"

#include "CombinationCount.h"
#include "CountFormat.h"
#include "Dialogs.h"
#include "OddsCalculators.h"
#include "OddsClick.h"
#include "PrizeTiers.h"
#include "TextFunctions.h"

std::string lottoOddsMessage(const Ballset& game)
{
    return " Total combinations of" + Str(game.biggest) + " taken" + Str(game.perLine)
           + " at a time is : " + countText(CombinationCount(game.biggest, game.perLine));
}

std::string lottoOddsDetails(const Ballset& game)
{
    return tierTable({{game.biggest, game.perLine}, std::nullopt});
}

std::size_t lottoOddsLongestLine(const Ballset& game) { return longestSelection(game) + 2; }

std::string lottoOddsReport(const Ballset& game, RandomSource& random)
{
    return drawReport(lottoOddsLongestLine(game),
                      [&](PrintWriter& out) { writeSelection(out, random, game); });
}

void AnyLotto_Click(ClickContext& click)
{
    click.clearAndStyle();
    click.reseed();
    const ParameterFile file("LotOdds.INI", {49, 6});
    const auto values = askOddsParameters(
        click, file,
        {{"Enter the BIGGEST number in the lotto game:", "Biggest Number"},
         {"How many numbers in a combination:", "Numbers/Line"}});
    if (!values)
        return;
    const Ballset game{(*values)[0], (*values)[1]};
    const std::string title = "Lotto Odds";
    click.dialogs.message(lottoOddsMessage(game), title, lottoOddsDetails(game));
    if (reportFits(click, lottoOddsLongestLine(game), title))
        click.show(lottoOddsReport(game, click.random));
}
