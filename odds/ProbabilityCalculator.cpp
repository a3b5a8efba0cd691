// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProbabilityCalculator.h"

#include "ClickContext.h"
#include "Pane.h"
#include "Rounding.h"

#include <charconv>

namespace {

std::int16_t element(double answer)
{
    const auto value = toInt16(answer);
    if (!value)
        throw OverflowError("Overflow: " + generalForm(answer) + " does not fit a 16-bit integer");
    return *value;
}

const std::string kElementHint =
    "n must be LESS THAN N - the 2nd element.For example: 1/2 (coin tossing).";

} // namespace

void runProbabilityCalculator(ClickContext& click, const ProbabilityCalculator& calculator)
{
    click.pane.setText("");
    click.pane.setFocus();
    click.pane.setSelectionText(calculator.introduction);

    const ParameterFile file(calculator.fileName, calculator.defaults);
    const std::vector<ParameterPrompt> prompts = {
        {"Enter the 1st element n of probability p=n/N: " + kElementHint,
         "Element #1 of Probability p -> n"},
        // This prompt, too, calls the element n.
        {"Enter the 2nd element n of probability p=n/N: " + kElementHint,
         "Element #2 of Probability p -> N"},
        calculator.thirdPrompt,
    };
    std::int16_t favourable = 0;
    const auto check = [&](std::size_t index, double answer, double) -> std::optional<double> {
        if (index == 2)
            return calculator.checkThird(answer);
        const std::int16_t value = element(answer);
        if (value <= 0 || (index == 1 && value <= favourable))
            return std::nullopt;
        if (index == 0)
            favourable = value;
        return value;
    };
    const auto answers = askParameters(click, file, prompts, check);
    if (!answers)
        return;

    const auto cases = static_cast<std::int16_t>((*answers)[1]);
    const double third = (*answers)[2];
    rememberAnswers(click.dialogs, file,
                    {(*answers)[0], (*answers)[1],
                     Val(generalForm(third, calculator.thirdPrecision)).value_or(0)},
                    prompts.front().title);
    click.pane.setText("");
    click.show(calculator.report(favourable, cases, third));
}

double roundToPlaces(double value, int places)
{
    // The fixed form rounds the exact binary value, so only a true tie goes
    // to even; to_chars and from_chars use no locale.
    char text[400];
    const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, places);
    double rounded = value;
    if (written.ec == std::errc())
        std::from_chars(text, written.ptr, rounded);
    return rounded;
}
