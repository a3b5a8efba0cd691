// SPDX-License-Identifier: GPL-3.0-or-later
#include "ButtonTable.h"

#include "DigitGames.h"
#include "HorseTrifectas.h"
#include "LottoClicks.h"
#include "OddsCalculators.h"
#include "PaneCommands.h"
#include "ReplayDialogs.h"
#include "Roulette.h"
#include "SportsBetting.h"
#include "WheelClicks.h"

#include <cctype>

const std::array<ButtonSpec, 20> kButtons = {{
    {"Pick3", "Pick 3", "Generate pick-3 combinations from 000  to 999", 360, 960, 0, Pick3_Click},
    {"Pick4", "Pick 4", "Generate pick-4 combinations from 0000 to 9999", 1800, 960, 1, Pick4_Click},
    {"Pick5", "Lotto 5", "Generate 5-number combinations from 1 to BiggestNumber", 3240, 960, 2, Pick5_Click},
    {"Pick6", "Lotto 6", "Generate 6-number combinations from 1 to BiggestNumber", 4680, 960, 3, Pick6_Click},
    {"Pick7", "Lotto 7", "Generate 7-number combinations from 1 to BiggestNumber", 6120, 960, 4, Pick7_Click},
    {"Power51", "PowerBall_6",
     "Generate 5-number combinations from 1 to BiggestNumber, plus a PowerBall", 360, 1440, 5, Power51_Click},
    {"Power61", "PowerBall_7",
     "Generate 6-number combinations from 1 to BiggestNumber, plus a PowerBall", 1800, 1440, 6, Power61_Click},
    {"Keno", "Keno 10/80", "Generate 10-number combinations from 1 to 80", 3240, 1440, 7, Keno_Click},
    {"AnyLotto", "Lotto Odds",
     "Calculate the jackpot odds of any lotto or Keno game; generate also combinations", 4680, 1440, 8,
     AnyLotto_Click},
    {"PowerOdds", "PowerOdds",
     "Calculate the jackpot odds of any PowerBall game; generate also combinations", 6120, 1440, 9,
     PowerOdds_Click},
    {"EuroCombs", "EuroCombs", "Generate '5+2'-number combinations for Euro Millions", 360, 1920, 13,
     EuroCombs_Click},
    {"EuroOdds", "EuroOdds",
     "Calculate the jackpot odds in the Euro Millions game; generate also combinations", 1800, 1920, 14,
     EuroOdds_Click},
    {"USBet", "U.S. Bet", "Generate team combinations for American sports", 3240, 1920, 12, USBet_Click},
    {"Horses", "Horses", "Generate trifectas for horseracing", 4680, 1920, 10, Horses_Click},
    {"Roulette", "Roulette",
     "Generate roulette spins, including red/black, odd/even, low/high, dozens, columns, Bond-system",
     6120, 1920, 11, Roulette_Click},
    {"Open", "Open", "Open a text file, mainly for U.S. Bet", 360, 2400, 15, Open_Click},
    {"Edit", "Edit", "Edit a text file, mainly for U.S. Bet", 1800, 2400, 16, Edit_Click},
    {"Font", "Font", "Pick a font and its attributes for entire files, or text selections", 3240, 2400,
     17, Font_Click},
    {"Print", "Print", "Print entire files, or text selections", 4680, 2400, 18, Print_Click},
    {"Save", "Save", "Save the content of the text box to file. Careful with the filenames!", 6120, 2400,
     19, Save_Click},
}};

const std::array<OperationSpec, 3> kPrivateOperations = {{
    {"FFGCalculator", "Fundamental Formula of Gambling: trials needed for a degree of certainty",
     FFGCalculator},
    {"BSDCalculator", "Binomial standard deviation", BSDCalculator},
    {"Wheel", "Wheel numbers: tickets with a proven guarantee and what they win; POOL K T [M] [GAME]", Wheel_Click},
}};

namespace {

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i]))
            != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace

const ButtonSpec* findButton(std::string_view name)
{
    for (const auto& button : kButtons)
        if (sameName(button.name, name))
            return &button;
    return nullptr;
}

const OperationSpec* findOperation(std::string_view name)
{
    for (const auto& operation : kPrivateOperations)
        if (sameName(operation.name, name))
            return &operation;
    return nullptr;
}

void runButton(const ButtonSpec& button, ClickContext& click)
{
    click.report.button = button.name;
    click.report.caption = button.caption;
    button.click(click);
}

void runAgain(const LastReport& report, ClickContext& click)
{
    const ButtonSpec* button = findButton(report.button);
    const OperationSpec* operation = button ? nullptr : findOperation(report.button);
    if (!button && !operation)
        return;
    ReplayDialogs dialogs(report, click.dialogs);
    ClickContext again{click.pane, dialogs, click.random, click.clock, report.seed};
    if (button)
        runButton(*button, again);
    else
        operation->run(again);
    click.report = again.report;
}
