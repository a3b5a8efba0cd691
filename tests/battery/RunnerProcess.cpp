// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunnerProcess.h"

#include "TestSupport.h"

#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

Outcome runCorvane(const std::filesystem::path& dir, const std::vector<std::string>& args,
                   const Launch& launch)
{
    static std::atomic<int> runs = 0;
    const std::string path = (dir / ("." + std::to_string(runs++))).string(); // + ".out", + ".err"
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, (path + ".out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, (path + ".err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    // timeout kills the run and all it started when the time is up, and then
    // itself with SIGKILL; otherwise it ends as the run ended.
    std::vector<std::string> all = {"timeout", "--signal=KILL", std::to_string(launch.seconds)};
    all.insert(all.end(), launch.wrapper.begin(), launch.wrapper.end());
    all.insert(all.end(), {CORVANE_RUNNER_PATH, "-C", dir.string(), "--seed", "7"});
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& s : all)
        argv.push_back(s.data());
    argv.push_back(nullptr);

    // The run hears SIGINT and SIGHUP whatever the shell that started the tests ignores.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigfillset(&defaults);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    Outcome outcome;
    int status = 0;
    if (spawned != 0 || waitpid(pid, &status, 0) != pid)
        return outcome;
    if (WIFEXITED(status))
        outcome.status = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        outcome.signal = WTERMSIG(status);
    outcome.out = readFile(path + ".out");
    outcome.err = readFile(path + ".err");
    std::filesystem::remove(path + ".out");
    std::filesystem::remove(path + ".err");
    return outcome;
}
