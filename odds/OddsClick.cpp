// SPDX-License-Identifier: GPL-3.0-or-later
#include "OddsClick.h"

#include "ClickContext.h"
#include "Dialogs.h"
#include "Rounding.h"
#include "SequentialSelection.h"
#include "TextFile.h"

std::optional<std::vector<std::int16_t>> askOddsParameters(ClickContext& click,
                                                           const ParameterFile& file,
                                                           const std::vector<ParameterPrompt>& prompts)
{
    const auto check = [&](std::size_t index, double answer, double) -> std::optional<double> {
        // A value beyond 16 bits is lost in the conversion and counts as 0.
        const auto value = toInt16(answer);
        if (!value || *value == 0)
            return std::nullopt;
        if (*value < 0) {
            click.dialogs.message("The value must be positive.", prompts[index].title);
            return std::nullopt;
        }
        return *value;
    };
    const auto answers = askParameters(click, file, prompts, check);
    if (!answers)
        return std::nullopt;
    rememberAnswers(click.dialogs, file, *answers, prompts.front().title);
    std::vector<std::int16_t> values;
    for (double answer : *answers)
        values.push_back(static_cast<std::int16_t>(answer));
    return values;
}

bool reportFits(ClickContext& click, std::size_t longestLine, const std::string& title)
{
    if (longestLine <= kLargestTextBytes / kOddsReportLines)
        return true;
    click.dialogs.message("The combinations would fill more than "
                              + std::to_string(kLargestTextBytes >> 20)
                              + " MiB of text. Choose fewer numbers per combination.",
                          title);
    return false;
}
