// SPDX-License-Identifier: GPL-3.0-or-later
#include "HorseTrifectas.h"

#include "Dialogs.h"
#include "ParameterFile.h"
#include "PrintWriter.h"
#include "RandomSource.h"

std::string trifectaReport(double horses, RandomSource& random)
{
    PrintWriter out;
    out.reserve(1000 * 14);
    for (int line = 0; line < 1000; ++line) {
        const int first = drawNumber(random, horses);
        int second = drawNumber(random, horses);
        while (second == first)
            second = drawNumber(random, horses);
        int third = drawNumber(random, horses);
        while (third == first || third == second)
            third = drawNumber(random, horses);
        out.numberField(first, 4).numberField(second, 4).numberField(third, 4);
        out.endLine();
    }
    return out.take();
}

void Horses_Click(ClickContext& click)
{
    static const char* const kTitle = "Number of Horses in The Race";
    click.reseed();
    click.clearAndStyle();
    const ParameterFile file("Horses.INI", {8});
    const auto answers = askParameters(
        click, file,
        {{"How many horses in the race (6, 7, 8, 9,...12...):", kTitle}},
        [](std::size_t, double answer, double) -> std::optional<double> {
            if (answer == 0)
                return std::nullopt;
            return answer;
        });
    if (!answers)
        return;
    const double horses = answers->front();
    if (horses < kFewestHorses || horses > kMostHorses) {
        click.dialogs.message("The number of horses must be from 3 to 32767.", kTitle);
        return;
    }
    rememberAnswers(click.dialogs, file, *answers, kTitle);
    click.show(trifectaReport(horses, click.random));
}
