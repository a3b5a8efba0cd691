#include "RunnerProcess.h"

#include "TestSupport.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace {

// What posix_spawn takes for argv and envp.
std::vector<char*> pointersTo(std::vector<std::string>& strings)
{
    std::vector<char*> pointers;
    for (auto& s : strings)
        pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

Outcome runCorvane(const std::filesystem::path& dir, const std::vector<std::string>& args,
                   const Launch& launch)
{
    static std::atomic<int> runs = 0;
    const std::string name = std::to_string(runs++);
    const bool ownOutput = launch.output.empty();
    const std::string outPath = ownOutput ? (dir / (".out" + name)).string() : launch.output;
    const std::string errPath = (dir / (".err" + name)).string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<std::string> all = launch.wrapper;
    all.insert(all.end(), {CORVANE_RUNNER_PATH, "-C", dir.string(), "--seed", "7"});
    all.insert(all.end(), args.begin(), args.end());
    std::vector<std::string> variables = launch.environment;
    for (char** v = environ; *v; ++v)
        variables.emplace_back(*v); // the first of a name counts

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(launch.seconds);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, all[0].c_str(), &actions, nullptr, pointersTo(all).data(),
                                     pointersTo(variables).data());
    posix_spawn_file_actions_destroy(&actions);
    Outcome outcome;
    if (spawned != 0)
        return outcome;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    if (WIFEXITED(status))
        outcome.status = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        outcome.signal = WTERMSIG(status);
    if (ownOutput)
        outcome.out = readFile(outPath);
    outcome.err = readFile(errPath);
    std::filesystem::remove(errPath);
    if (ownOutput)
        std::filesystem::remove(outPath);
    return outcome;
}
