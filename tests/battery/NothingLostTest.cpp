// The runner on a full disk, killed while it writes, fifty times at once in
// one folder, with /dev/full as its output and under the German locale: no
// file the user had is lost or cut, and no report is lost without a word.
#include "RunnerProcess.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <future>

namespace {

const std::string kLotto6 = " 49 \r\n";
const std::string kNotes = "the user's notes\r\n";

// strace makes the runner's first write() do `fault`; tracing takes its time.
Launch firstWrite(const std::string& fault)
{
    return {{"strace", "-qq", "-o", "/dev/null", "-e", "trace=write", "-e", "inject=write:" + fault + ":when=1"},
            5 * RUN_SECONDS};
}

std::size_t lines(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

} // namespace

TEST(NothingLost, AFullDiskOrAKillWhileWritingLeavesTheOldFilesWhole)
{
    if (SANITIZED)
        GTEST_SKIP() << "the sanitizers' runtime makes the first write() itself, to probe memory";
    const std::string full = std::strerror(ENOSPC) + std::string(".\n");
    // The killed runs come last: they leave their temporary files behind.
    const struct {
        std::vector<std::string> args;
        std::string fault; // what the first write() does
        int status;        // -1: ended by a signal
        std::string err;
        std::size_t lines; // 13: the pane's opening text
    } cases[] = {
        {{"Save", "notes.txt"}, "error=ENOSPC", 1, "[Save Combinations] Cannot save \"notes.txt\": " + full, 13},
        {{"Pick6", "40"}, "error=ENOSPC", 0,
         "[Biggest Number] The answer could not be remembered in \"Lotto6.INI\": " + full, 1000},
        {{"Save", "notes.txt"}, "signal=SIGKILL", -1, "", 0},
        {{"Pick6", "40"}, "signal=SIGKILL", -1, "", 0},
    };
    TempDirectory dir;
    writeFile("notes.txt", kNotes);
    writeFile("Lotto6.INI", kLotto6);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.fault);
        const Outcome outcome = runCorvane(dir.path(), c.args, firstWrite(c.fault));
        EXPECT_EQ(outcome.status, c.status);
        EXPECT_EQ(outcome.err, c.err);
        EXPECT_EQ(lines(outcome.out), c.lines);
        EXPECT_EQ(readFile("notes.txt"), kNotes);
        EXPECT_EQ(readFile("Lotto6.INI"), kLotto6);
        if (c.status >= 0) {
            EXPECT_EQ(folderEntries(), (std::vector<std::string>{"Lotto6.INI", "notes.txt"}));
        }
    }
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
    const Launch shared{{}, 10 * RUN_SECONDS};
    const std::vector<std::string> clicks[] = {{"Pick6"}, {"Pick6", "40"}};
    std::vector<std::future<Outcome>> runs;
    for (int i = 0; i < 50; ++i)
        runs.push_back(
            std::async(std::launch::async, [&, i] { return runCorvane(dir.path(), clicks[i % 2], shared); }));
    for (auto& run : runs) {
        const Outcome outcome = run.get();
        EXPECT_EQ(outcome.status, 0);
        EXPECT_EQ(outcome.err, "");
        EXPECT_EQ(lines(outcome.out), 1000u);
    }
    const std::string last = readFile("Lotto6.INI");
    EXPECT_TRUE(last == " 40 \r\n" || last == kLotto6) << last;
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"Lotto6.INI"});
}

TEST(NothingLost, AReportThatCannotBeWrittenEndsWithStatusOne)
{
    TempDirectory dir;
    // The shell gives the runner /dev/full as its standard output.
    const Outcome outcome = runCorvane(dir.path(), {"Pick6", "49"}, {{"sh", "-c", "exec \"$0\" \"$@\" >/dev/full"}});
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
            const Outcome outcome = runCorvane(dir.path(), click, {{"env", locale}});
            outputs[locale[7] == 'd'].push_back(outcome.out + outcome.err);
        }
        EXPECT_EQ(readFile("Horses.INI"), " 8.5 \r\n") << locale;
        EXPECT_EQ(readFile("FFG.INI"), " 1 " + std::string(11, ' ') + " 49 " + std::string(10, ' ') + " 99.5 \r\n");
    }
    EXPECT_EQ(outputs[0], outputs[1]);
}
