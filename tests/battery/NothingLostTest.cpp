// The runner on a full disk, killed while it writes, fifty times at once in
// one folder, with /dev/full as its output and under the German locale: no
// file the user had is lost or cut, and no report is lost without a word.
#include "RunnerProcess.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

namespace {

const std::string kLotto6 = " 49 \r\n";
const std::string kNotes = "the user's notes\r\n";

// Runs the runner under strace, which makes its first write() fail as
// `fault` says (error=ENOSPC, signal=SIGKILL); tracing takes its time.
Launch firstWriteFails(const std::string& fault)
{
    return {{"strace", "-qq", "-o", "/dev/null", "-e", "trace=write", "-e",
             "inject=write:" + fault + ":when=1"},
            {},
            {},
            5 * RUN_SECONDS};
}

const char* const kSanitizersWriteFirst =
    "the sanitizers' runtime makes the first write() itself, to probe memory";

std::size_t lines(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

// Files left in the folder besides the given ones (a temporary file, say).
std::vector<std::string> othersThan(const std::vector<std::string>& expected)
{
    std::vector<std::string> others;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        if (std::find(expected.begin(), expected.end(), entry.path().filename()) == expected.end())
            others.push_back(entry.path().filename());
    return others;
}

} // namespace

TEST(NothingLost, AFullDiskLeavesTheOldFilesAndSaysSo)
{
    if (SANITIZED)
        GTEST_SKIP() << kSanitizersWriteFirst;
    TempDirectory dir;
    writeFile("notes.txt", kNotes);
    writeFile("Lotto6.INI", kLotto6);
    const std::string full = std::strerror(ENOSPC);

    const Outcome save = runCorvane(dir.path(), {"Save", "notes.txt"}, firstWriteFails("error=ENOSPC"));
    EXPECT_EQ(save.status, 0) << save.err;
    EXPECT_EQ(save.err, "[Save Combinations] Cannot save \"notes.txt\": " + full + ".\n");
    EXPECT_EQ(readFile("notes.txt"), kNotes);

    const Outcome pick = runCorvane(dir.path(), {"Pick6", "40"}, firstWriteFails("error=ENOSPC"));
    EXPECT_EQ(pick.status, 0) << pick.err;
    EXPECT_EQ(pick.err, "[Biggest Number] The answer could not be remembered in \"Lotto6.INI\": " + full + ".\n");
    EXPECT_EQ(lines(pick.out), 1000u); // the report still comes
    EXPECT_EQ(readFile("Lotto6.INI"), kLotto6);
    EXPECT_EQ(othersThan({"notes.txt", "Lotto6.INI"}), std::vector<std::string>{});
}

TEST(NothingLost, AWriteKilledHalfwayLeavesTheOldFilesWhole)
{
    if (SANITIZED)
        GTEST_SKIP() << kSanitizersWriteFirst;
    TempDirectory dir;
    writeFile("notes.txt", kNotes);
    writeFile("Lotto6.INI", kLotto6);
    for (const std::vector<std::string>& args : {std::vector<std::string>{"Save", "notes.txt"},
                                                 std::vector<std::string>{"Pick6", "40"}}) {
        const Outcome killed = runCorvane(dir.path(), args, firstWriteFails("signal=SIGKILL"));
        EXPECT_NE(killed.status, 0) << args[0];
    }
    EXPECT_EQ(readFile("notes.txt"), kNotes);
    EXPECT_EQ(readFile("Lotto6.INI"), kLotto6);
    // The next click goes on with the remembered value, without a word.
    const Outcome next = runCorvane(dir.path(), {"Pick6"});
    EXPECT_EQ(next.status, 0);
    EXPECT_EQ(next.err, "");
    EXPECT_EQ(lines(next.out), 1000u);
}

TEST(NothingLost, FiftyRunsAtOnceInOneFolderEachSeeAWholeFile)
{
    TempDirectory dir;
    // Fifty runs share the processors: each has ten times the usual time.
    Launch shared;
    shared.seconds = 10 * RUN_SECONDS;
    std::vector<std::unique_ptr<RunnerProcess>> runs;
    for (int i = 0; i < 50; ++i)
        runs.push_back(std::make_unique<RunnerProcess>(
            dir.path(), i % 2 ? std::vector<std::string>{"Pick6", "40"} : std::vector<std::string>{"Pick6"},
            shared));
    for (auto& run : runs) {
        const Outcome outcome = run->finish();
        EXPECT_EQ(outcome.status, 0);
        EXPECT_EQ(outcome.err, "");
        EXPECT_EQ(lines(outcome.out), 1000u);
    }
    const std::string last = readFile("Lotto6.INI");
    EXPECT_TRUE(last == " 40 \r\n" || last == kLotto6) << last;
    EXPECT_EQ(othersThan({"Lotto6.INI"}), std::vector<std::string>{});
}

TEST(NothingLost, AReportThatCannotBeWrittenEndsWithStatusOne)
{
    TempDirectory dir;
    const Outcome outcome = runCorvane(dir.path(), {"Pick6", "49"}, {{}, {}, "/dev/full"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, "corvane: the report could not be written: " + std::string(std::strerror(ENOSPC)) + "\n");
}

TEST(NothingLost, TheGermanLocaleChangesNoNumber)
{
    const std::vector<std::vector<std::string>> clicks = {
        {"Horses", "8.5"}, {"Horses"}, {"FFGCalculator", "1", "49", "99.5"}, {"BSDCalculator"}};
    std::vector<std::string> outputs[2];
    for (const char* locale : {"LC_ALL=C", "LC_ALL=de_DE.UTF-8"}) {
        TempDirectory dir;
        for (const auto& click : clicks) {
            const Outcome outcome = runCorvane(dir.path(), click, {{}, {locale}, {}});
            outputs[locale[7] == 'd'].push_back(outcome.out + outcome.err);
        }
        EXPECT_EQ(readFile("Horses.INI"), " 8.5 \r\n") << locale;
        EXPECT_EQ(readFile("FFG.INI"), " 1 " + std::string(11, ' ') + " 49 " + std::string(10, ' ') + " 99.5 \r\n");
    }
    EXPECT_EQ(outputs[0], outputs[1]);
}
