// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ParameterFile.h"
#include "TextFunctions.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct ClickContext;

// One of the two calculators of an event of probability p = n / N: they
// differ in their texts, their third value and their report.
struct ProbabilityCalculator {
    const char* introduction; // its lines each ended by "\n"
    const char* fileName;
    std::vector<double> defaults;
    ParameterPrompt thirdPrompt;
    // The third value as the calculator keeps it, or none to end the command.
    std::optional<double> (*checkThird)(double answer);
    // The digits the file keeps of the third value.
    Precision thirdPrecision;
    std::string (*report)(std::int16_t favourable, std::int16_t cases, double third);
};

// Writes the introduction into the emptied pane, asks for n, N and the third
// value with the remembered values as defaults, rewrites the file and shows
// the report, all in the pane's own font. n and N are stored into 16 bits by
// Round-to-integer; one too large for that throws OverflowError, as nothing
// traps it. The command ends, leaving the introduction, at n <= 0, at N <= 0
// or N <= n, and where the third check gives no value.
void runProbabilityCalculator(ClickContext& click, const ProbabilityCalculator& calculator);

// value rounded to `places` decimals, a value exactly halfway going to the
// even last digit.
double roundToPlaces(double value, int places);
