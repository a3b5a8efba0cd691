// SPDX-License-Identifier: GPL-3.0-or-later
#include "DigitGames.h"

#include "PrintWriter.h"
#include "RandomSource.h"

std::string digitReport(int digits, RandomSource& random)
{
    PrintWriter out;
    out.reserve(1000 * (3 * static_cast<std::size_t>(digits) + 2));
    for (int line = 0; line < 1000; ++line) {
        for (int j = 0; j < digits; ++j)
            out.number(drawNumber(random, 10) - 1);
        out.endLine();
    }
    return out.take();
}

namespace {

void digitClick(ClickContext& click, int digits)
{
    click.reseed();
    click.clearAndStyle();
    click.show(digitReport(digits, click.random));
}

} // namespace

void Pick3_Click(ClickContext& click) { digitClick(click, 3); }
void Pick4_Click(ClickContext& click) { digitClick(click, 4); }
