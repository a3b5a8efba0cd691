// SPDX-License-Identifier: GPL-3.0-or-later
#include "DigitGames.h"
#include "Runner.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <tuple>

namespace {

struct RunResult {
    int status;
    std::string out;
    std::string err;
};

RunResult run(const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCorvane(args, out, err, false);
    return {status, out.str(), err.str()};
}

} // namespace

TEST(Runner, WritesThePaneByteForByteWithAFixedSeed)
{
    // A plain run's status and silent standard error are checked with --csv and the odds.
    const RunResult result = run({"--seed", "42", "pick3"});
    RandomSource random;
    random.reseed(42);
    EXPECT_EQ(result.out, digitReport(3, random));
    EXPECT_EQ(run({"--seed", "42", "PICK3"}).out, result.out);
    EXPECT_NE(run({"--seed", "42.5", "Pick3"}).out, result.out);
    // "-3" after the name is an answer, not an option.
    EXPECT_EQ(run({"--seed", "1", "Pick4", "-3"}).out.size(), 14000u);
}

TEST(Runner, MisuseExitsTwoWithAMessage)
{
    // "1,5" is no seed under any locale.
    const std::vector<std::vector<std::string>> cases = {
        {}, {"Lotto"}, {"--seed"}, {"--frobnicate", "Pick3"}, {"Font"}, {"print"},
        {"--seed", "abc", "Pick3"}, {"--seed", "1,5", "Pick3"}, {"-C", "/nonexistent/dir", "Pick3"},
    };
    for (const auto& args : cases) {
        const RunResult result = run(args);
        EXPECT_EQ(result.status, 2) << (args.empty() ? "" : args[0]);
        EXPECT_NE(result.err, "");
        EXPECT_EQ(result.out, "");
    }
}

TEST(Runner, HelpListsEveryNameWithCaptionAndTooltip)
{
    const RunResult result = run({"--help"});
    EXPECT_EQ(result.status, 0);
    for (const char* expected : {"Pick3", "\"Pick 3\"", "Generate pick-3 combinations from 000  to 999",
                                 "USBet", "\"U.S. Bet\"", "FFGCalculator", "BSDCalculator"})
        EXPECT_NE(result.out.find(expected), std::string::npos) << expected;
}

TEST(Runner, ShowSeedWritesASeedThatGivesTheSameReportInTheDirectoryGivenWithC)
{
    TempDirectory dir;
    std::filesystem::create_directory("sub");
    const RunResult first = run({"-C", "sub", "--show-seed", "Pick6", "49"});
    EXPECT_EQ(std::filesystem::current_path().filename(), "sub");
    ASSERT_EQ(first.err.rfind("[seed] ", 0), 0u);
    const std::string seed = first.err.substr(7, first.err.size() - 8); // without the line end
    EXPECT_EQ(run({"--seed", seed, "Pick6", "49"}).out, first.out);
}

// The messages and the tiers themselves are tested with the odds.
TEST(Runner, DetailsFollowTheirMessageUnderTheirOwnTitle)
{
    TempDirectory dir;
    const std::string message = "[Lotto Odds]  Total combinations of 49 taken 6 at a time is : 13,983,816\n";
    EXPECT_EQ(run({"AnyLotto", "49", "6"}).err, message); // no details without --details
    const std::string head = message + "[Lotto Odds details]\n6 of 6: 1 combination, 1 in 13,983,816.00\n";
    EXPECT_EQ(run({"--details", "AnyLotto", "49", "6"}).err.substr(0, head.size()), head);
}

// The checks and counts themselves are tested with the draws: here each option
// writes its result after the pane's report, which stays as it was.
TEST(Runner, ChecksAndCountsGoToStandardErrorBesideTheReport)
{
    TempDirectory dir;
    writeFile("history.csv", "date,n1,n2,n3,n4,n5,n6\r\n2026-11-28,3,11,19,27,38,45\r\n");
    const RunResult plain = run({"--seed", "42", "Pick6", "49"});
    const struct {
        std::vector<std::string> options;
        int status;
        std::string errStart;
    } cases[] = {
        {{"--check", "3 11 19 27 38 45"}, 0, "[Check Against a Draw]\nDraw: 3 11 19 27 38 45\n6 of 6: "},
        {{"--check", "3 11 19"}, 1, "[Check Against a Draw]\nThe draw holds 3 numbers where 6 are needed.\n"},
        {{"--check-history", "history.csv"}, 0, "[Check Against a Draw History]\nDraws read: 1\n6 of 6: "},
        {{"--frequencies"}, 0, "group,value,count\r\nfirst,1,"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.options;
        args.insert(args.end(), {"--seed", "42", "Pick6", "49"});
        const RunResult result = run(args);
        EXPECT_EQ(result.status, c.status) << c.options[0];
        EXPECT_EQ(result.out, plain.out) << c.options[0];
        EXPECT_EQ(result.err.rfind(c.errStart, 0), 0u) << result.err;
    }

    // A saved report is read by its shape: the same tiers, but no game known.
    writeFile("six.txt", plain.out);
    const RunResult saved = run({"--check", "3 11 19 27 38 45", "Open", "six.txt"});
    EXPECT_EQ(saved.err + "1000 distinct lines hold the jackpot with probability 1 in 13,984\n",
              run({"--seed", "42", "--check", "3 11 19 27 38 45", "Pick6", "49"}).err);
}

TEST(Runner, CsvAndReadFailuresEndWithTheirOwnStatus)
{
    const RunResult csv = run({"--seed", "42", "--csv", "Pick3"});
    EXPECT_EQ(csv.status, 0);
    EXPECT_EQ(csv.out.substr(0, 17), "d1,d2,d3\r\n8,2,9\r\n"); // the report's first line is " 8  2  9 "

    const RunResult noLines = run({"--csv", "Edit"});
    EXPECT_EQ(noLines.status, 1);
    EXPECT_EQ(noLines.out, "");
    EXPECT_EQ(noLines.err, "corvane: --csv: The pane holds no lines to check.\n");
    const RunResult noCounts = run({"--frequencies", "Edit"});
    EXPECT_EQ(noCounts.status, 1);
    EXPECT_EQ(noCounts.err, "corvane: --frequencies: The pane holds no lines to check.\n");
    const RunResult missing = run({"--check-history", "none.csv", "Pick3"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "corvane: cannot read none.csv: " + std::string(std::strerror(ENOENT)) + "\n");
}

// A script can tell a Save that wrote nothing (the battery tries one that
// is refused: an answer not remembered is no failure of the run). Messages
// show control characters escaped.
TEST(Runner, ASaveThatCannotWriteEndsWithStatusOneAndMessagesShowNoControlCharacter)
{
    TempDirectory dir;
    writeFile("history.csv", "n1,n2,n3\r\n\x1b[2J\x1b[32mgreen,1,2\r\n");
    const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
        {{"Save", "out.txt"}, 0, ""},
        {{"Save", "no/out.txt"}, 1, "[Save Combinations] Cannot save \"no/out.txt\": " + std::string(std::strerror(ENOENT)) + ".\n"},
        {{"--check-history", "history.csv", "Pick3"}, 1,
         "[Check Against a Draw History]\nLine 2 of the history: \"\\x1b[2J\\x1b[32mgreen\" is not a number.\n"},
        {{"bad\x1b[2Jname"}, 2, "corvane: unknown name \"bad\\x1b[2Jname\" (see corvane --help)\n"},
    };
    for (const auto& [args, status, err] : cases) {
        const RunResult result = run(args);
        EXPECT_EQ(result.status, status) << args[0];
        EXPECT_EQ(result.err, err) << args[0];
    }
}

TEST(Runner, FrequenciesWithAHistoryCountItsDrawsAndTestWhetherTheyCameUpEvenly)
{
    TempDirectory dir;
    // 49 draws that draw every number six times: as even as can be.
    std::string history = "Draw Date,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6\r\n";
    for (int d = 0; d < 49; ++d) {
        history += "01-Jan-2026";
        for (int i = 0; i < 6; ++i)
            history += "," + std::to_string((6 * d + i) % 49 + 1);
        history += "\r\n";
    }
    writeFile("history.csv", history);
    const RunResult result = run({"--check-history", "history.csv", "--frequencies", "--seed", "42", "Pick6", "49"});
    EXPECT_EQ(result.status, 0);
    const std::string table = "group,value,count\r\nfirst,1,6\r\nfirst,2,6\r\n";
    EXPECT_NE(result.err.find("\nbest 0 of 6: "), std::string::npos);
    EXPECT_NE(result.err.find(table), std::string::npos);
    const std::string uniformity = "first,49,6\r\n[Uniformity] first: chi-square 0.00 (Pearson's × 48/43: 6 of 49 drawn "
                                   "without replacement), 48 degrees of freedom, p = 1.0000: a fair draw gives counts "
                                   "this uneven or more in 100 % of histories, so nothing here says it is unfair.\n";
    EXPECT_EQ(result.err.substr(result.err.size() - std::min(result.err.size(), uniformity.size())), uniformity);
}
