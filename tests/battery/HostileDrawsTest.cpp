// SPDX-License-Identifier: GPL-3.0-or-later
// The draw and history checks of the runner against input of hostile sizes:
// each run ends in time, with a result or a message, never an abort.
#include "RunnerProcess.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::string numbers(int from, int count, const char* separator)
{
    std::string text;
    for (int n = from; n < from + count; ++n)
        text += (text.empty() ? "" : separator) + std::to_string(n);
    return text;
}

std::size_t lines(const std::string& text) { return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')); }

} // namespace

TEST(HostileDraws, HugeFilesNumbersLinesAndTierScalesEndInTimeWithAResult)
{
    // Reading 400,000 numbers, or making lines of 2000, takes a second of
    // its own; the sanitizers and a busy machine make it several.
    const Launch heavy{{}, 3 * RUN_SECONDS};
    TempDirectory dir;
    // A sparse file of 40 GiB takes no room on the disk.
    writeFile("huge.csv", "");
    std::filesystem::resize_file("huge.csv", 40ull << 30);
    writeFile("long.txt", numbers(1, 400000, " ") + "\r\n");
    writeFile("long.csv", numbers(1, 400000, ",") + "\r\n");
    std::string big;
    for (int d = 0; d < 400; ++d)
        big += "2026-01-01,1,2,999999999\r\n";
    writeFile("big.csv", big);
    writeFile("big.txt", "  1  2  999999999\r\n");
    const Outcome huge = runCorvane(dir.path(), {"--check-history", "huge.csv", "Pick6", "49"});
    EXPECT_EQ(huge.status, 2);
    EXPECT_EQ(huge.err, "corvane: cannot read huge.csv: the file is larger than 64 MiB\n");

    // A line of 400,000 numbers drawn in full: one tier of 400,001 holds it.
    const Outcome longLine = runCorvane(dir.path(), {"--check-history", "long.csv", "Open", "long.txt"}, heavy);
    EXPECT_EQ(longLine.status, 0) << longLine.err;
    EXPECT_NE(longLine.err.find("\n400000 of 400000: 1 pair (row 1)\n400000 other tiers: 0 pairs\n"), std::string::npos)
        << longLine.err.substr(0, 300);

    const Outcome bigNumbers = runCorvane(dir.path(), {"--check-history", "big.csv", "Open", "big.txt"});
    EXPECT_EQ(bigNumbers.status, 0) << bigNumbers.err;
    EXPECT_NE(bigNumbers.err.find("3 of 3: 400 pairs (rows 1 on 2026-01-01, "), std::string::npos) << bigNumbers.err;

    // EuroOdds' 1000 + 1000 numbers a line have 1,002,001 tiers.
    const Outcome euro = runCorvane(dir.path(), {"EuroOdds", "32767", "1000", "32767", "1000"}, heavy);
    ASSERT_EQ(euro.status, 0);
    std::string draw = euro.out.substr(0, euro.out.find('\r'));
    std::size_t at = 0;
    for (int word = 0; word < 1000; ++word)
        at = draw.find_first_not_of(' ', draw.find(' ', draw.find_first_not_of(' ', at)));
    draw.insert(at, "+ ");
    const Outcome tiers = runCorvane(dir.path(), {"--check", draw, "EuroOdds", "32767", "1000", "32767", "1000"}, heavy);
    EXPECT_EQ(tiers.status, 0);
    EXPECT_NE(tiers.err.find("\n1000 of 1000 + 1000 of 1000: 1 line (line 1)\n"), std::string::npos);
    EXPECT_NE(tiers.err.find(" other tiers: 0 lines\n"), std::string::npos);
    EXPECT_LT(lines(tiers.err), 1003u); // at most a line per line, not per tier
}

TEST(HostileDraws, TooLittleMemoryEndsWithAMessage)
{
    if (SANITIZED)
        GTEST_SKIP() << "the sanitizers reserve more address space than the limit allows";
    // A check of 20 MiB of lines needs more than 150 MB.
    TempDirectory dir;
    std::string pane;
    while (pane.size() < (20u << 20))
        pane += "   3  11  19  27  38  45\r\n";
    writeFile("pane.txt", pane);
    writeFile("draws.csv", "3,11,19,27,38,45\r\n");
    const Launch tight{{"sh", "-c", "ulimit -v 150000 && exec \"$0\" \"$@\""}, RUN_SECONDS};
    const Outcome outcome = runCorvane(dir.path(), {"--check-history", "draws.csv", "Open", "pane.txt"}, tight);
    EXPECT_EQ(outcome.signal, 0);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.err.find("corvane: there is not enough memory for this run\n"), std::string::npos)
        << outcome.err.substr(0, 300);
}
