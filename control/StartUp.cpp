// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartUp.h"

#include "Pane.h"

#include <utility>

std::string bannerCaption()
{
    return "CorvaneGenerator v7.0 ~ January 2005 (5 WE).\r"
           "Tessaro7 edition: no combination is a promise of a win.\r"
           " \u2022 Click on a button to generate 1000 combinations for that type of game.";
}

void writeWelcome(Pane& pane)
{
    static const std::pair<const char*, int> kRows[] = {
        {" You can save or print them.", 2},
        {" \u2022\u2022\u2022 It is recommended to run a generator several times ", 1},
        {" ~ before attempting to play!", 1},
        {" The probability is higher as you compress the time.", 2},
        {" \u2022\u2022\u2022\u2022 Also, be mindful of 'Corvane's Paradox of N Trials',", 1},
        {" as presented on https://en.wikipedia.org/wiki/Geometric_distribution", 1},
        {" Rather than playing one or few combinations every draw,", 1},
        {" save the money and play more combinations, more rarely.", 1},
        {" The winning probability increases by as much as 37% ~ ", 1},
        {" ~ for the same cost!", 1},
    };
    pane.setText(" \u2022\u2022 Your combinations will be displayed in this text box.\n");
    for (const auto& [text, lineFeeds] : kRows)
        pane.setText(pane.text() + text + std::string(static_cast<std::size_t>(lineFeeds), '\n'));
}
