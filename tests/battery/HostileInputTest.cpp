// Every procedure of the runner against hostile answers, parameter files and
// game files: each run ends within 2 s (more under the sanitizers), with the
// runner's exit statuses only.
#include "RunnerProcess.h"
#include "TestSupport.h"
#include "TextFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>

namespace {

const char* const kNames[] = {"Pick3",     "Pick4",    "Pick5",         "Pick6",        "Pick7",
                              "Power51",   "Power61",  "Keno",          "AnyLotto",     "PowerOdds",
                              "EuroCombs", "EuroOdds", "USBet",         "Horses",       "Roulette",
                              "Open",      "Edit",     "Font",          "Print",        "Save",
                              "FFGCalculator",         "BSDCalculator"};

const char* const kParameterFiles[] = {"Lotto5.INI",  "Lotto6.INI",    "Lotto7.INI",   "Power51.INI",
                                       "Power61.INI", "Euro.INI",      "LotOdds.INI",  "PowerOdds.INI",
                                       "EuroOdds.INI", "FFG.INI",      "StDv.INI",     "Horses.INI",
                                       "USBet.INI"};

std::string describe(const std::vector<std::string>& args)
{
    std::string text;
    for (const auto& a : args)
        text += "[" + a.substr(0, 40) + "] ";
    return text;
}

// The runner's contract, for every run.
void expectSound(const Outcome& outcome, const std::vector<std::string>& args, int& tried)
{
    ++tried;
    const std::string what = describe(args);
    EXPECT_EQ(outcome.signal, 0) << what << " crashed";
    EXPECT_LT(outcome.seconds, RUN_SECONDS) << what << " took too long";
    const bool needsWindow = args[0] == "Font" || args[0] == "Print";
    if (needsWindow)
        EXPECT_EQ(outcome.status, 2) << what;
    else
        EXPECT_TRUE(outcome.status == 0 || outcome.status == 1) << what << " exit " << outcome.status
                                                                << "\n" << outcome.err;
    EXPECT_TRUE(isValidUtf8(outcome.out)) << what;
}

const std::vector<std::string> kHostileAnswers = {
    "", "0", "-1", "-32769", "32768", "1e400", "NaN", "&HFFFFFFFF", "99999999999",
    std::string(10000, '7'), "\xc3\xa9\xe2\x80\xa2 \xf0\x9f\x8e\xb2", "\xff\xfe", "0.5", "16777217",
};

} // namespace

TEST(HostileInput, EveryNameWithEveryHostileAnswer)
{
    TempDirectory dir;
    writeFile("GAMES.5", "Jets,Giants\r\nBears,Packers\r\n");
    int tried = 0;
    for (const char* name : kNames)
        for (const std::string& answer : kHostileAnswers)
            expectSound(runCorvane(dir.path(), {name, answer, answer, answer}), {name, answer}, tried);
    EXPECT_EQ(tried, 22 * 14);
}

TEST(HostileInput, HandEditedParameterFiles)
{
    const std::string binary = std::string("\x00\x01\xff\r\n\x80,,\x1a", 9);
    const std::vector<std::string> contents = {
        "", binary, " 49 \r\n", "-5, -6, -7\r\n", "1e300\r\n", "99999999999, 32768\r\n",
        std::string(100000, '9'), ",,,,\r\n\r\n", "12.5\r\n 0 \r\n",
    };
    int tried = 0;
    for (const std::string& content : contents) {
        TempDirectory dir;
        for (const char* file : kParameterFiles)
            writeFile(file, content);
        writeFile("GAMES.5", "A,B\r\n");
        for (const char* name : kNames)
            expectSound(runCorvane(dir.path(), {name}), {name, "file:" + content.substr(0, 12)}, tried);
    }
    EXPECT_GT(tried, 0);
}

TEST(HostileInput, GameFiles)
{
    const std::vector<std::string> contents = {
        "", std::string("\x00\xff\xfe\x01", 4), std::string(10 * 1024 * 1024, 'x'),
        "no commas at all\r\nstill none\r\n", "\"Kansas, City\",\"New York, NY\"\r\n",
        "Caf\xe9,Montr\xe9\x61l\r\n", "\xe2\x80\xa2\xe2\x80\xa2\xe2\x80\xa2\xe2\x80\xa2\xe2\x80\xa2\xe2\x80\xa2\xe2\x80\xa2,x\r\n",
    };
    int tried = 0;
    for (const std::string& content : contents) {
        TempDirectory dir;
        writeFile("GAMES.5", content);
        for (const char* games : {"5", "-2", "32767"})
            expectSound(runCorvane(dir.path(), {"USBet", games, "GAMES.5"}), {"USBet", games}, tried);
        expectSound(runCorvane(dir.path(), {"Open", "GAMES.5"}), {"Open"}, tried);
    }
    EXPECT_EQ(tried, 7 * 4);
}

TEST(HostileInput, AParameterFileThatCannotBeWrittenStillShowsTheReport)
{
    // A folder in the file's place cannot be written, not even by root.
    const char* const games[] = {"Pick5", "Pick6", "Pick7", "Power51", "Power61", "EuroCombs", "Horses"};
    const char* const files[] = {"Lotto5.INI", "Lotto6.INI", "Lotto7.INI", "Power51.INI", "Power61.INI",
                                 "Euro.INI", "Horses.INI"};
    int tried = 0;
    for (std::size_t i = 0; i < std::size(games); ++i) {
        TempDirectory dir;
        std::filesystem::create_directory(files[i]);
        const Outcome outcome = runCorvane(dir.path(), {games[i]});
        expectSound(outcome, {games[i]}, tried);
        EXPECT_GE(std::count(outcome.out.begin(), outcome.out.end(), '\n'), 1000) << games[i];
    }
}

TEST(HostileInput, PipesAndDevicesAreRefusedWithoutWaiting)
{
    TempDirectory dir;
    for (const char* file : kParameterFiles)
        ASSERT_EQ(::mkfifo(file, 0600), 0);
    ASSERT_EQ(::mkfifo("pipe", 0600), 0);
    int tried = 0;
    for (const char* name : kNames)
        expectSound(runCorvane(dir.path(), {name, "pipe", "pipe", "pipe"}), {name, "fifo"}, tried);

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
        const Outcome outcome = runCorvane(dir.path(), c.args);
        expectSound(outcome, c.args, tried);
        EXPECT_GE(outcome.err.size(), c.message.size());
        EXPECT_EQ(outcome.err.substr(outcome.err.size() - std::min(outcome.err.size(), c.message.size())),
                  c.message);
    }
    for (const char* file : kParameterFiles)
        EXPECT_TRUE(std::filesystem::is_fifo(file)) << file;
}
