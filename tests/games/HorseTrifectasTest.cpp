// SPDX-License-Identifier: GPL-3.0-or-later
#include "HorseTrifectas.h"
#include "ReportLines.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(TrifectaReport, LinesAreThreeDistinctHorsesInFourColumnsEach)
{
    RandomSource random;
    // A fraction rounds the top horse up: 8.5 horses run as 9.
    for (const auto& [horses, top] : {std::pair{3.0, 3}, std::pair{12.0, 12}, std::pair{8.5, 9}}) {
        const std::string report = trifectaReport(horses, random);
        ASSERT_EQ(report.size(), 1000u * 14) << horses;
        int topSeen = 0;
        for (const std::string& line : reportLines(report)) {
            const auto n = numbersIn(line);
            ASSERT_TRUE(n[0] != n[1] && n[0] != n[2] && n[1] != n[2]) << line;
            // The top horse seen, checked below, bounds them from above.
            ASSERT_GE(std::min({n[0], n[1], n[2]}), 1) << line;
            topSeen = std::max({topSeen, n[0], n[1], n[2]});
        }
        EXPECT_EQ(topSeen, top) << horses;
    }
}

TEST(TrifectaReport, RepeatedHorsesAreRedrawn)
{
    FixedRandom draws({0.0f, 0.0f, 0.5f, 0.0f, 0.5f, 0.9f});
    EXPECT_EQ(trifectaReport(3, draws).substr(0, 14), "   1   2   3\r\n");
    EXPECT_EQ(draws.drawn(), 1000u * 6);
    FixedRandom widest({0.99999994f, 0.0f, 0.5f});
    EXPECT_EQ(trifectaReport(32767, widest).substr(0, 18), " 32767   1 16384\r\n");
}

// The file is written with the answer, and only then.
TEST(HorsesClick, RemembersAnAnswerInRangeAndRefusesTheRest)
{
    const std::string range = "[Number of Horses in The Race] The number of horses must be from 3 to 32767.\n";
    const std::tuple<const char*, double, std::string> cases[] = {
        {"8.5", 8.5, ""}, {"3", 3, ""}, {"32767", 32767, ""}, {"", 0, ""}, {"2.99", 0, range}, {"32767.5", 0, range},
    };
    for (const auto& [answer, horses, message] : cases) {
        TempDirectory dir;
        ScriptedClick click({answer});
        click.pane.setText("old");
        click.run(Horses_Click);
        click.random.reseed(42.0);
        EXPECT_EQ(click.pane.text(), horses > 0 ? trifectaReport(horses, click.random) : "") << answer;
        EXPECT_EQ(click.messages.str(), message) << answer;
        EXPECT_EQ(folderEntries(), std::vector<std::string>(horses > 0, "Horses.INI")) << answer;
        EXPECT_EQ(readFile("Horses.INI"), horses > 0 ? " " + std::string(answer) + " \r\n" : "");
    }
}
