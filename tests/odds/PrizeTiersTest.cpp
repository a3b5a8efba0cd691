// SPDX-License-Identifier: GPL-3.0-or-later
#include "EuroOdds.h"
#include "LottoOdds.h"
#include "PowerOdds.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    // A last line without its line feed is left out, so the counts below miss it.
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

} // namespace

TEST(PrizeTiers, CountsAndOddsOfEveryTierAreExact)
{
    const std::string lotto = lottoOddsDetails({49, 6});
    const std::string power = powerOddsDetails({{69, 5}, 26});
    const std::string euro = euroOddsDetails({{50, 5}, {12, 2}});
    const std::tuple<std::string, std::size_t, std::string> cases[] = {
        {lotto, 0, "6 of 6: 1 combination, 1 in 13,983,816.00"},
        {lotto, 1, "5 of 6: 258 combinations, 1 in 54,200.84"},
        {lotto, 6, "0 of 6: 6,096,454 combinations, 1 in 2.29"},
        {power, 0, "5 of 5 + 1 of 1: 1 combination, 1 in 292,201,338.00"},
        {power, 1, "5 of 5 + 0 of 1: 25 combinations, 1 in 11,688,053.52"},
        {euro, 10, "2 of 5 + 1 of 2: 2,838,000 combinations, 1 in 49.27"},
        {euro, 17, "0 of 5 + 0 of 2: 54,979,155 combinations, 1 in 2.54"},
        // A drum of exactly its five numbers: missing all five cannot happen.
        {lottoOddsDetails({5, 5}), 5, "0 of 5: 0 combinations, never"},
    };
    for (const auto& [table, index, line] : cases)
        EXPECT_EQ(linesOf(table).at(index), line);
    EXPECT_EQ((std::vector<std::size_t>{linesOf(lotto).size(), linesOf(power).size(), linesOf(euro).size()}),
              (std::vector<std::size_t>{7, 12, 18}));
}

TEST(PrizeTiers, ListsTheTwentyOneBestTiersOfLongLines)
{
    const auto lines = linesOf(lottoOddsDetails({32767, 30}));
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines.front().rfind("30 of 30: 1 combination, 1 in 10,806,203,193,887,057,", 0), 0u);
    EXPECT_EQ(lines.back().rfind("10 of 30: ", 0), 0u);
    // Two drums: 11 times 2 tiers, the best 21 of them.
    const auto two = linesOf(euroOddsDetails({{80, 10}, {12, 1}}));
    ASSERT_EQ(two.size(), 21u);
    EXPECT_EQ(two.back().rfind("0 of 10 + 1 of 1: ", 0), 0u) << two.back();
}

TEST(PrizeTiers, ValuesThatMakeNoGameGiveOneLine)
{
    const std::string noGame = "These values make no game: a line must take at least one number, "
                               "and no more than its drum holds.\n";
    EXPECT_EQ(lottoOddsDetails({10, 12}), noGame);
    EXPECT_EQ(lottoOddsDetails({5, 0}), noGame);
    EXPECT_EQ(powerOddsDetails({{49, 5}, -5}), noGame);
    EXPECT_EQ(euroOddsDetails({{50, 5}, {3, 4}}), noGame);
}
