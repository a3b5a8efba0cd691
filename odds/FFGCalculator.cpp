// SPDX-License-Identifier: GPL-3.0-or-later
#include "FFGCalculator.h"

#include "ClickContext.h"
#include "OddsCalculators.h"
#include "PrintWriter.h"
#include "ProbabilityCalculator.h"
#include "TextFunctions.h"

#include <cmath>
#include <limits>

double ffgTrials(std::int16_t favourable, std::int16_t cases, float certainty)
{
    const double p = static_cast<double>(favourable) / cases;
    return roundToPlaces(std::log(1 - certainty / 100.0) / std::log(1 - p), 2);
}

std::string ffgReport(std::int16_t favourable, std::int16_t cases, float certainty)
{
    const double p = static_cast<double>(favourable) / cases;
    PrintWriter out;
    out.endLine();
    out.text("  The number of trials N for an event of probability").endLine();
    out.text("  p = ").number(roundToPlaces(p, 8)).text("(").number(favourable).text("/");
    out.number(cases).text(")").endLine();
    out.text("  to appear at least once ").endLine();
    out.text("  with the degree of certainty DC =").single(certainty).text("%").text(" is: ").endLine();
    out.endLine();
    out.text("                        N =").number(ffgTrials(favourable, cases, certainty)).endLine();
    out.endLine();
    out.text("  A sequential series is assumed. ").endLine();
    return out.take();
}

namespace {

const char* const kIntroduction =
    "This option applies the Fundamental Formula of Gambling.\n"
    "It calculates the number of trials N necessary\n"
    "for an event of probability p to appear\n"
    "with the degree of certainty DC% (DC >0 to 100%).\n"
    "Visit https://en.wikipedia.org/wiki/Geometric_distribution for all the details.\n"
    "You need to type in three parameters:\n"
    "1) the 1st element n of probability p=n/N;\n"
    "2) the 2nd element N of probability p=n/N;\n"
    "3) the degree of certainty DC as a positive integer.\n"
    "Conditions: n<N, DC<100. Do not type DC as a percentile number.\n";

// DC is held in single precision, taken as typed (99.5 stays 99.5).
std::optional<double> checkCertainty(double answer)
{
    if (std::fabs(answer) > std::numeric_limits<float>::max())
        throw OverflowError("Overflow: " + generalForm(answer) + " does not fit a single");
    const float certainty = static_cast<float>(answer);
    if (certainty <= 0 || certainty >= 100)
        return std::nullopt;
    return certainty;
}

const ProbabilityCalculator kFFG = {
    kIntroduction,
    "FFG.INI",
    {6, 49, 50},
    {"Enter the degree of certainty DC; it must be a positive integer < 100."
     "For example: 50 for a DC = 50%",
     "The Degree of Certainty"},
    checkCertainty,
    Precision::Single,
    [](std::int16_t favourable, std::int16_t cases, double certainty) {
        return ffgReport(favourable, cases, static_cast<float>(certainty));
    },
};

} // namespace

void FFGCalculator(ClickContext& click) { runProbabilityCalculator(click, kFFG); }
