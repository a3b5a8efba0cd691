#include "HorseTrifectas.h"

#include "Dialogs.h"
#include "ParameterFile.h"
#include "PrintWriter.h"
#include "RandomSource.h"
#include "Rounding.h"
#include "TextFunctions.h"

namespace {

// The range check keeps every draw within 1..32767, a 16-bit horse number.
int drawHorse(double horses, RandomSource& random)
{
    return static_cast<int>(Int(random.next() * horses)) + 1;
}

} // namespace

std::string trifectaReport(double horses, RandomSource& random)
{
    PrintWriter out;
    out.reserve(1000 * 14);
    for (int line = 0; line < 1000; ++line) {
        const int first = drawHorse(horses, random);
        int second = drawHorse(horses, random);
        while (second == first)
            second = drawHorse(horses, random);
        int third = drawHorse(horses, random);
        while (third == first || third == second)
            third = drawHorse(horses, random);
        out.text(Format(Str(first), 4)).text(Format(Str(second), 4)).text(Format(Str(third), 4));
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
