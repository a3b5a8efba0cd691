// SPDX-License-Identifier: GPL-3.0-or-later
#include "LottoOdds.h"
#include "PrintWriter.h"
#include "ReportLines.h"
#include "SequentialSelection.h"
#include "TestSupport.h"
#include "TextFunctions.h"

#include <gtest/gtest.h>

TEST(SequentialSelection, DrawsDistinctAscendingNumbersInFieldsOfThree)
{
    const Ballset games[] = {{49, 6}, {80, 20}, {120, 3}, {10, 10}, {10, 12}, {5, 1}};
    for (const Ballset& game : games) {
        RandomSource random;
        const auto lines = reportLines(lottoOddsReport(game, random));
        ASSERT_EQ(lines.size(), 1000u);
        for (const std::string& line : lines) {
            const auto numbers = numbersIn(line);
            ASSERT_EQ(static_cast<int>(numbers.size()), std::min(game.perLine, game.biggest)) << line;
            std::string rebuilt;
            for (std::size_t i = 0; i < numbers.size(); ++i) {
                // Above the number before it, the first at least 1.
                ASSERT_TRUE(numbers[i] > (i == 0 ? 0 : numbers[i - 1]) && numbers[i] <= game.biggest) << line;
                rebuilt += Format(Str(numbers[i]), 3);
            }
            ASSERT_EQ(line, rebuilt);
        }
    }
}

TEST(SequentialSelection, TakesOneDrawPerCandidateAndPicksBelowTheRatio)
{
    // 2 of 4: candidate 1 has p = 1/2 and 0.5 is not below it; candidate 2
    // (p = 2/3) is taken; then p = 1/2 refuses 0.5 again, and the last
    // candidate must be taken (p = 1).
    FixedRandom random({0.5f, 0.6f, 0.5f, 0.99f, 0.0f});
    PrintWriter out;
    writeSelection(out, random, {4, 2});
    EXPECT_EQ(out.str(), "  2  4");
    EXPECT_EQ(random.drawn(), 4u);
}

TEST(SequentialSelection, LongestLineCountsTheWidestNumbers)
{
    EXPECT_EQ(longestSelection({120, 30}), 21u * 4 + 9 * 3);
    EXPECT_EQ(longestSelection({10, 12}), 30u);
    EXPECT_EQ(longestSelection({32767, 2}), 12u);
}
