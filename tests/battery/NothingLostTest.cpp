// SPDX-License-Identifier: GPL-3.0-or-later
// The runner on a full disk, killed or interrupted while it writes, fifty
// times at once in one folder, with /dev/full as its output and under the
// German locale: no file the user had is lost or cut, no temporary file is
// left behind but by SIGKILL, and no report is lost without a word.
#include "RunnerProcess.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <future>
#include <tuple>

namespace {

const std::string kLotto6 = " 49 \r\n";
const std::string kNotes = "the user's notes\r\n";

// strace makes the runner's call of `call` do `fault`: its first, its
// second ("2") or all from the second on ("2+"). Tracing takes its time.
Launch injected(const std::string& call, const std::string& fault, const std::string& when = "1")
{
    return {{"strace", "-qq", "-o", "/dev/null", "-e", "trace=" + call, "-e",
             "inject=" + call + ":" + fault + ":when=" + when},
            5 * RUN_SECONDS};
}

Launch firstWrite(const std::string& fault) { return injected("write", fault); }

std::size_t lines(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

} // namespace

TEST(NothingLost, AFullDiskOrAKillWhileWritingLeavesTheOldFilesWhole)
{
    if (SANITIZED)
        GTEST_SKIP() << "the sanitizers' runtime makes the first write() itself, to probe memory";
    const std::string full = std::strerror(ENOSPC) + std::string(".\n");
    // The runs killed by SIGKILL come last: they leave their temporary files behind.
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
        // A signal the runner can catch removes the temporary file first.
        {{"Save", "notes.txt"}, "signal=SIGTERM", -1, "", 0},
        {{"Pick6", "40"}, "signal=SIGINT", -1, "", 0},
        {{"Pick6", "40"}, "signal=SIGHUP", -1, "", 0},
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
        if (c.fault != "signal=SIGKILL") {
            EXPECT_EQ(folderEntries(), (std::vector<std::string>{"Lotto6.INI", "notes.txt"}));
        }
    }
    // The next click goes on with the remembered value, without a word.
    const Outcome next = runCorvane(dir.path(), {"Pick6"});
    EXPECT_EQ(next.status, 0);
    EXPECT_EQ(next.err, "");
    EXPECT_EQ(lines(next.out), 1000u);
}

// A file with a second name is written in place, after a copy of it. A
// signal then waits for the end of the write; a failed write puts the old
// text back from the copy, or, when even that fails, says where it is.
TEST(NothingLost, AFileWrittenInPlaceKeepsItsOldTextUntilTheNewOneIsWhole)
{
    if (SANITIZED)
        GTEST_SKIP() << "the sanitizers' runtime makes calls of its own that the faults would hit";
    const std::string eio = std::strerror(EIO);
    const std::string refused = "[Biggest Number] The answer could not be remembered in \"Lotto6.INI\": ";
    // the fault, the signal that ends the run, the text of both names, how the messages start
    const std::tuple<Launch, int, std::string, std::string> cases[] = {
        // The first pwrite64 fills the copy, the second the file.
        {injected("pwrite64", "signal=SIGTERM", "2"), SIGTERM, " 8 \r\n", ""},
        {injected("ftruncate", "error=EIO"), 0, kLotto6, refused + eio + ".\n"},
        {injected("pwrite64", "error=EIO", "2+"), 0, kLotto6, refused + eio + "; its old text is kept in \".Lotto6.INI."},
    };
    for (const auto& [fault, signal, text, err] : cases) {
        SCOPED_TRACE(fault.wrapper[6]);
        TempDirectory dir;
        writeFile("Lotto6.INI", kLotto6);
        std::filesystem::create_hard_link("Lotto6.INI", "Lotto6.copy");
        // A shorter text: the file is cut to its length last of all.
        const Outcome outcome = runCorvane(dir.path(), {"Pick6", "8"}, fault);
        EXPECT_EQ(outcome.signal, signal);
        EXPECT_EQ(readFile("Lotto6.INI"), text);
        EXPECT_EQ(readFile("Lotto6.copy"), text);
        EXPECT_EQ(outcome.err.substr(0, err.size()), err);
        std::vector<std::string> entries = {"Lotto6.INI", "Lotto6.copy"};
        const auto kept = outcome.err.find("kept in \"");
        if (kept != std::string::npos) {
            const std::string copy = outcome.err.substr(kept + 9, outcome.err.rfind('"') - kept - 9);
            EXPECT_EQ(readFile(copy), kLotto6);
            entries.insert(entries.begin(), copy);
        }
        EXPECT_EQ(folderEntries(), entries);
    }
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
