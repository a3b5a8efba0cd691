// SPDX-License-Identifier: GPL-3.0-or-later
#include "BSDCalculator.h"

#include "ClickContext.h"
#include "CountFormat.h"
#include "OddsCalculators.h"
#include "PrintWriter.h"
#include "ProbabilityCalculator.h"
#include "Rounding.h"
#include "TextFunctions.h"

#include <cmath>

std::string bsdReport(std::int16_t favourable, std::int16_t cases, double trials)
{
    const double p = static_cast<double>(favourable) / cases;
    const double deviation = std::sqrt((p * trials) * (1 - p));
    const double expected = p * trials;
    // The ranges use the whole deviation, a half going to even, while the
    // count format rounds its halves away from zero.
    const auto wholeDeviation = toInt32(deviation);
    if (!wholeDeviation)
        throw OverflowError("Overflow: the deviation " + generalForm(deviation)
                            + " does not fit a 32-bit integer");
    const double s = *wholeDeviation;

    PrintWriter out;
    out.endLine();
    out.text(" The standard deviation for an event of probability ").endLine();
    out.text(" p = ").number(roundToPlaces(p, 8)).text("(").number(favourable).text("/");
    out.number(cases).text(")").endLine();
    out.text(" in ").text(countText(trials)).text(" binomial experiments is: ").endLine();
    out.text("                    BSD = ").number(roundToPlaces(deviation, 2)).endLine();
    out.endLine();
    out.text("The expected (theoretical) number of successes is: ").text(countText(expected)).endLine();
    out.endLine();
    out.text("Based on the Normal Probability Rule:").endLine();
    out.endLine();
    const struct {
        const char* rule;
        double deviations;
    } ranges[] = {
        {"* 68.2% of the successes will fall within 1 Standard Deviation", 1},
        {"** 95.4% of the successes will fall within 2 Standard Deviations", 2},
        {"*** 99.7% of the successes will fall within 3 Standard Deviations", 3},
    };
    for (const auto& range : ranges) {
        out.text(range.rule).endLine();
        out.text("from ").text(countText(expected)).text("- i.e., between ");
        out.text(countText(expected - range.deviations * s)).text(" - ");
        out.text(countText(expected + range.deviations * s)).endLine();
    }
    out.endLine();
    return out.take();
}

namespace {

const char* const kIntroduction =
    "This option applies the Binomial Standard Deviation.\n"
    "It calculates the the standard deviation\n"
    "for an event of probability p \n"
    "in N binomial trials.\n"
    "Visit https://en.wikipedia.org/wiki/Binomial_distribution for all the details.\n"
    "You need to type in three parameters:\n"
    "1) the 1st element n of probability p=n/N;\n"
    "2) the 2nd element N of probability p=n/N;\n"
    "3) the number of binomial trials.\n"
    "Conditions: n<N>0, N = up to trillions!\n";

// T is taken as typed, fraction and all.
std::optional<double> checkTrials(double answer)
{
    if (answer <= 0)
        return std::nullopt;
    return answer;
}

const ProbabilityCalculator kBSD = {
    kIntroduction,
    "StDv.INI",
    {6, 49, 50},
    {"Enter the number of trials N; it must be a positive integer from 1 to billions.",
     "The Number of Trials N"},
    checkTrials,
    Precision::Double,
    bsdReport,
};

} // namespace

void BSDCalculator(ClickContext& click) { runProbabilityCalculator(click, kBSD); }
