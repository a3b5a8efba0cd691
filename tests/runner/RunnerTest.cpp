#include "DigitGames.h"
#include "Runner.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

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
    const RunResult result = run({"--seed", "42", "pick3"});
    EXPECT_EQ(result.status, 0);
    RandomSource random;
    random.reseed(42);
    EXPECT_EQ(result.out, digitReport(3, random));
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(run({"--seed", "42", "PICK3"}).out, result.out);
    EXPECT_NE(run({"--seed", "42.5", "Pick3"}).out, result.out);
}

TEST(Runner, MisuseExitsTwoWithAMessage)
{
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"Lotto"},
        {"--seed"},
        {"--seed", "abc", "Pick3"},
        {"--seed", "1e999", "Pick3"},
        {"--seed", "1,5", "Pick3"}, // under every locale
        {"--frobnicate", "Pick3"},
        {"Font"},
        {"print"},
        {"-C", "/nonexistent/dir", "Pick3"},
    };
    for (const auto& args : cases) {
        const RunResult result = run(args);
        EXPECT_EQ(result.status, 2) << (args.empty() ? "" : args[0]);
        EXPECT_NE(result.err, "");
        EXPECT_EQ(result.out, "");
    }
}

TEST(Runner, AReportThatCannotBeWrittenWholeExitsOneWithAMessage)
{
    // Takes 100 bytes, then fails, as a nearly full disk does.
    struct ShortOutput : std::streambuf {
        std::size_t taken = 0;
        int overflow(int c) override { return taken++ < 100 ? c : traits_type::eof(); }
    } shortOutput;
    std::ostream out(&shortOutput);
    std::ostringstream err;
    EXPECT_EQ(runCorvane({"--seed", "1", "Pick3"}, out, err, false), 1);
    EXPECT_EQ(err.str().rfind("corvane: the report could not be written: ", 0), 0u) << err.str();
}

TEST(Runner, HelpListsEveryNameWithCaptionAndTooltip)
{
    const RunResult result = run({"--help"});
    EXPECT_EQ(result.status, 0);
    for (const char* expected : {"Pick3", "\"Pick 3\"", "Generate pick-3 combinations from 000  to 999",
                                 "USBet", "\"U.S. Bet\"", "FFGCalculator", "BSDCalculator"})
        EXPECT_NE(result.out.find(expected), std::string::npos) << expected;
}

TEST(Runner, AnswersAfterTheNameAreTakenVerbatim)
{
    // "-3" after the name is an answer, not an option.
    const RunResult result = run({"--seed", "1", "Pick4", "-3"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out.size(), 14000u);
}

TEST(Runner, WorksInTheDirectoryGivenWithC)
{
    TempDirectory dir;
    const auto here = std::filesystem::current_path();
    std::filesystem::create_directory("sub");
    const RunResult result = run({"-C", "sub", "--seed", "3", "Pick3"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(std::filesystem::current_path(), here / "sub");
    std::filesystem::current_path(here);
}
