// Every procedure of the runner against hostile answers, parameter files and
// game files: each run ends within 2 s (more under the sanitizers), with the
// runner's exit statuses only.
#include "TestSupport.h"
#include "TextFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

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

struct Outcome {
    int status = -1;      // exit status, or -1 when killed by a signal
    int signal = 0;
    double seconds = 0;
    std::string out;
    std::string err;
};

// Runs the runner in `dir` with the answers, killing it when its time is up.
Outcome runCorvane(const std::filesystem::path& dir, const std::vector<std::string>& args)
{
    const std::string outPath = (dir / ".out").string();
    const std::string errPath = (dir / ".err").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<std::string> all = {CORVANE_RUNNER_PATH, "-C", dir.string(), "--seed", "7"};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    Outcome outcome;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        return outcome;
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(RUN_SECONDS)) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    outcome.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (WIFEXITED(status))
        outcome.status = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        outcome.signal = WTERMSIG(status);
    outcome.out = readFile(outPath);
    outcome.err = readFile(errPath);
    return outcome;
}

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
