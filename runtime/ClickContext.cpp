// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClickContext.h"

#include "Pane.h"
#include "RandomSource.h"
#include "Seeder.h"

double ClickContext::reseed()
{
    const double seed = fixedSeed ? *fixedSeed : TheSeeder(random, clock);
    random.reseed(seed);
    report.seed = seed;
    return seed;
}

void ClickContext::clearAndStyle(bool bold)
{
    pane.setText("");
    pane.setSelectionFontName("Courier");
    pane.setSelectionFontSize(10);
    pane.setFontBold(bold);
}

void ClickContext::show(const std::string& text)
{
    pane.setSelectionText(text);
    pane.setVisible(true);
    report.shown = true;
}
