#include "RunnerProcess.h"

#include "TestSupport.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace {

double now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

} // namespace

RunnerProcess::RunnerProcess(const std::filesystem::path& dir, const std::vector<std::string>& args,
                             const Launch& launch)
    : ownOutput_(launch.output.empty()), seconds_(launch.seconds)
{
    static int runs = 0;
    const std::string name = std::to_string(runs++);
    outPath_ = ownOutput_ ? (dir / (".out" + name)).string() : launch.output;
    errPath_ = (dir / (".err" + name)).string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<std::string> all = launch.wrapper;
    for (const char* arg : {CORVANE_RUNNER_PATH, "-C", dir.c_str(), "--seed", "7"})
        all.emplace_back(arg);
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<std::string> variables = launch.environment;
    for (char** v = environ; *v; ++v)
        variables.emplace_back(*v); // the first of a name counts
    std::vector<char*> envp;
    for (auto& v : variables)
        envp.push_back(v.data());
    envp.push_back(nullptr);

    started_ = now();
    if (posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0)
        pid_ = 0;
    posix_spawn_file_actions_destroy(&actions);
}

Outcome RunnerProcess::finish()
{
    Outcome outcome;
    if (pid_ == 0)
        return outcome;
    int status = 0;
    while (waitpid(pid_, &status, WNOHANG) == 0) {
        if (now() - started_ > seconds_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    outcome.seconds = now() - started_;
    if (WIFEXITED(status))
        outcome.status = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        outcome.signal = WTERMSIG(status);
    if (ownOutput_)
        outcome.out = readFile(outPath_);
    outcome.err = readFile(errPath_);
    std::filesystem::remove(errPath_);
    if (ownOutput_)
        std::filesystem::remove(outPath_);
    return outcome;
}
