// SPDX-License-Identifier: GPL-3.0-or-later
// Every procedure of the runner against hostile answers, parameter files and
// game files: each run ends in time, with the runner's exit statuses only.
#include "ParameterFile.h"
#include "RunnerProcess.h"
#include "TestSupport.h"
#include "TextFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>

namespace {

const char* const kNames[] = {"Pick3", "Pick4", "Pick5", "Pick6", "Pick7", "Power51", "Power61", "Keno", "AnyLotto",
                              "PowerOdds", "EuroCombs", "EuroOdds", "USBet", "Horses", "Roulette", "Open", "Edit",
                              "Font", "Print", "Save", "FFGCalculator", "BSDCalculator"};

const char* const kParameterFiles[] = {"Lotto5.INI", "Lotto6.INI", "Lotto7.INI", "Power51.INI", "Power61.INI",
                                       "Euro.INI", "LotOdds.INI", "PowerOdds.INI", "EuroOdds.INI", "FFG.INI",
                                       "StDv.INI", "Horses.INI", "USBet.INI"};

const std::vector<std::string> kHostileAnswers = {
    "", "0", "-1", "-32769", "32768", "1e400", "NaN", "&HFFFFFFFF", "99999999999",
    std::string(10000, '7'), "\xc3\xa9\xe2\x80\xa2 \xf0\x9f\x8e\xb2", "\xff\xfe", "0.5", "16777217",
    "\x1b[2J\x1b[32m", "bad\rname\x07",
};

// Runs the runner and checks its contract, which holds for every run.
Outcome runSoundly(const std::filesystem::path& dir, const std::vector<std::string>& args)
{
    const Outcome outcome = runCorvane(dir, args);
    const std::string what = ::testing::PrintToString(args);
    // A crash or a run out of time leaves the status at -1.
    const bool windowed = args[0] == "Font" || args[0] == "Print"; // these need a window
    EXPECT_TRUE(windowed ? outcome.status == 2 : outcome.status == 0 || outcome.status == 1)
        << what << " exit " << outcome.status << ", signal " << outcome.signal << "\n" << outcome.err;
    EXPECT_TRUE(isValidUtf8(outcome.out)) << what;
    // Messages quote files and answers with their control characters escaped.
    EXPECT_EQ(escapeControls(outcome.err), outcome.err) << what;
    return outcome;
}

} // namespace

TEST(HostileInput, EveryNameWithEveryHostileAnswer)
{
    TempDirectory dir;
    writeFile("GAMES.5", "Jets,Giants\r\nBears,Packers\r\n");
    for (const char* name : kNames)
        for (const std::string& answer : kHostileAnswers)
            runSoundly(dir.path(), {name, answer, answer, answer});
}

TEST(HostileInput, HandEditedParameterFiles)
{
    const std::vector<std::string> contents = {
        "", std::string("\x00\x01\xff\r\n\x80,,\x1a", 9), " 49 \r\n", "-5, -6, -7\r\n", "1e300\r\n",
        "99999999999, 32768\r\n", std::string(100000, '9'), ",,,,\r\n\r\n", "12.5\r\n 0 \r\n",
        "[Display]\r\nTrack=Ascot\r\n",
    };
    for (const std::string& content : contents) {
        SCOPED_TRACE("every parameter file holding " + content.substr(0, 12));
        TempDirectory dir;
        for (const char* file : kParameterFiles)
            writeFile(file, content);
        writeFile("GAMES.5", "A,B\r\n");
        for (const char* name : kNames)
            runSoundly(dir.path(), {name});
        // Another program's file that bears a parameter file's name is left as it is.
        for (const char* file : kParameterFiles)
            EXPECT_TRUE(holdsOnlyNumbers(content) || readFile(file) == content) << file;
    }
}

TEST(HostileInput, GameFiles)
{
    const std::vector<std::string> contents = {
        "", std::string("\x00\xff\xfe\x01", 4), std::string(10 * 1024 * 1024, 'x'),
        "no commas at all\r\nstill none\r\n", "\"Kansas, City\",\"New York, NY\"\r\n",
        "Caf\xe9,Montr\xe9\x61l\r\n", "\x1b[2J\x1b]0;title\x07,\x1b[32m\r\n",
        "\xe2\x80\xa2\xe2\x80\xa2\xe2\x80\xa2\xe2\x80\xa2\xe2\x80\xa2\xe2\x80\xa2\xe2\x80\xa2,x\r\n",
    };
    for (const std::string& content : contents) {
        SCOPED_TRACE("GAMES.5 holding " + content.substr(0, 12));
        TempDirectory dir;
        writeFile("GAMES.5", content);
        for (const char* games : {"5", "-2", "32767"})
            runSoundly(dir.path(), {"USBet", games, "GAMES.5"});
        runSoundly(dir.path(), {"Open", "GAMES.5"});
    }
}

TEST(HostileInput, ParameterFilesThatCannotBeWrittenStillShowTheReport)
{
    // A folder in a file's place cannot be written, not even by root.
    TempDirectory dir;
    for (const char* file : kParameterFiles)
        std::filesystem::create_directory(file);
    for (const char* name : {"Pick5", "Pick6", "Pick7", "Power51", "Power61", "EuroCombs", "Horses"}) {
        const Outcome outcome = runSoundly(dir.path(), {name});
        EXPECT_GE(std::count(outcome.out.begin(), outcome.out.end(), '\n'), 1000) << name;
    }
}

TEST(HostileInput, PipesAndDevicesAreRefusedWithoutWaiting)
{
    TempDirectory dir;
    for (const char* file : kParameterFiles)
        ASSERT_EQ(::mkfifo(file, 0600), 0);
    ASSERT_EQ(::mkfifo("pipe", 0600), 0);
    for (const char* name : kNames)
        runSoundly(dir.path(), {name, "pipe", "pipe", "pipe"});

    const std::string pipe = "it is a named pipe, not a regular file.\n";
    const std::string device = "it is a device, not a regular file.\n";
    const struct {
        std::vector<std::string> args;
        std::string message; // the end of standard error
    } cases[] = {
        {{"Open", "pipe"}, "[Open File] Cannot open \"pipe\": " + pipe},
        {{"Save", "pipe"}, "[Save Combinations] Cannot save \"pipe\": " + pipe},
        {{"Open", "/dev/zero"}, "[Open File] Cannot open \"/dev/zero\": " + device},
        {{"USBet", "2", "/dev/zero"}, "[Open A Game File] Cannot open \"/dev/zero\": " + device},
        {{"Pick6", "40"}, "[Biggest Number] Cannot read \"Lotto6.INI\": " + pipe
                              + "[Biggest Number] The answer could not be remembered in \"Lotto6.INI\": " + pipe},
    };
    for (const auto& c : cases) {
        const std::string err = runSoundly(dir.path(), c.args).err;
        EXPECT_EQ(err.substr(err.size() - std::min(err.size(), c.message.size())), c.message);
    }
    for (const char* file : kParameterFiles)
        EXPECT_TRUE(std::filesystem::is_fifo(file)) << file;
}
