// SPDX-License-Identifier: GPL-3.0-or-later
#include "BiggestNumbers.h"

#include "ClickContext.h"
#include "Dialogs.h"
#include "ParameterFile.h"
#include "RandomSource.h"
#include "TextFunctions.h"

#include <cmath>

double drawableNumbers(double biggest)
{
    return numberDrawnBy(std::nextafter(1.0f, 0.0f), biggest);
}

std::optional<std::string> refusalOf(double biggest, int needed)
{
    // Written so that a value that is not a number is refused too.
    if (biggest > 0 && biggest <= kLargestBiggestNumber && drawableNumbers(biggest) >= needed)
        return std::nullopt;
    std::string why = "The value must be above " + std::to_string(needed - 1) + " and at most "
                      + generalForm(kLargestBiggestNumber);
    if (needed > 1)
        why += ": a line takes " + std::to_string(needed) + " distinct numbers from 1 to it";
    return why + ".";
}

std::optional<std::vector<double>> askBiggestNumbers(ClickContext& click,
                                                     const ParameterFile& file,
                                                     const std::vector<AskedNumber>& asked)
{
    std::vector<ParameterPrompt> prompts;
    for (const AskedNumber& number : asked)
        prompts.push_back({number.question.prompt, number.question.title});
    const auto check = [&](std::size_t index, double answer,
                           double remembered) -> std::optional<double> {
        const auto value = keepRememberedWhenNotPositive(index, answer, remembered);
        if (const auto why = refusalOf(*value, asked[index].needed)) {
            click.dialogs.message(*why, asked[index].question.title);
            return std::nullopt;
        }
        return value;
    };
    const auto values = askParameters(click, file, prompts, check);
    if (values)
        rememberAnswers(click.dialogs, file, *values, prompts.front().title);
    return values;
}
