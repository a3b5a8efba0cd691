#include "ClickContext.h"

#include "Pane.h"
#include "RandomSource.h"
#include "Seeder.h"

double ClickContext::reseed()
{
    const double seed = fixedSeed ? *fixedSeed : TheSeeder(random, clock);
    random.reseed(seed);
    return seed;
}

void ClickContext::clearAndStyle(bool bold)
{
    pane.setText("");
    pane.setSelectionFontName("Courier");
    pane.setSelectionFontSize(10);
    pane.setFontBold(bold);
}

void ClickContext::show(const std::string& report)
{
    pane.setSelectionText(report);
    pane.setVisible(true);
}
