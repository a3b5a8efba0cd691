// SPDX-License-Identifier: GPL-3.0-or-later
#include "LottoClicks.h"

#include "BiggestNumbers.h"
#include "Dialogs.h"
#include "LottoGames.h"
#include "LottoReports.h"
#include "ParameterFile.h"
#include "TextFunctions.h"

namespace {

// The report, or, when the filters let no line through, a message saying so;
// the pane then stays empty.
void showReport(ClickContext& click, const std::optional<std::string>& report,
                const char* title, const std::vector<double>& biggest)
{
    if (report) {
        click.show(*report);
        return;
    }
    std::string text = "No combination passes the filters for the biggest number";
    if (biggest.size() == 1)
        text += Str(biggest[0]) + "; try a bigger one.";
    else
        text += "s" + Str(biggest[0]) + " and" + Str(biggest[1]) + "; try bigger ones.";
    click.dialogs.message(text, title);
}

void lottoClick(ClickContext& click, const LottoGame& game)
{
    click.reseed();
    click.clearAndStyle();
    const ParameterFile file(game.fileName, {game.biggest.defaultValue});
    const auto n = askBiggestNumbers(click, file, {{game.biggest, game.shape.numbers}});
    if (!n)
        return;
    showReport(click, singleDrumReport(game.shape, (*n)[0], click.random), game.biggest.title, *n);
}

void powerBallClick(ClickContext& click, const PowerBallGame& game)
{
    click.reseed();
    click.clearAndStyle();
    const ParameterFile file(game.fileName, {game.regular.defaultValue, game.powerBall.defaultValue});
    const auto np = askBiggestNumbers(click, file,
                                      {{game.regular, game.shape.numbers}, {game.powerBall, 1}});
    if (!np)
        return;
    showReport(click, powerBallReport(game.shape, (*np)[0], (*np)[1], click.random),
               game.regular.title, *np);
}

} // namespace

void Pick5_Click(ClickContext& click) { lottoClick(click, kLotto5); }
void Pick6_Click(ClickContext& click) { lottoClick(click, kLotto6); }
void Pick7_Click(ClickContext& click) { lottoClick(click, kLotto7); }

void Keno_Click(ClickContext& click)
{
    click.reseed();
    click.clearAndStyle();
    showReport(click, singleDrumReport(kKeno, kKenoBiggestNumber, click.random), "Keno 10/80",
               {kKenoBiggestNumber});
}

void Power51_Click(ClickContext& click) { powerBallClick(click, kPower51); }
void Power61_Click(ClickContext& click) { powerBallClick(click, kPower61); }

void EuroCombs_Click(ClickContext& click)
{
    click.reseed();
    click.clearAndStyle();
    const ParameterFile file(kEuroFileName, {kEuroMain.defaultValue, kEuroSecond.defaultValue},
                             {1, 1});
    const auto n = askBiggestNumbers(click, file,
                                     {{kEuroMain, kEuroMainNumbers}, {kEuroSecond, kEuroSecondNumbers}});
    if (!n)
        return;
    showReport(click, euroReport((*n)[0], (*n)[1], click.random), kEuroMain.title, *n);
}
