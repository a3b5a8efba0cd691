#pragma once

#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

// What one run of the runner left behind.
struct Outcome {
    int status = -1; // exit status, or -1 when killed by a signal
    int signal = 0;
    double seconds = 0;
    std::string out;
    std::string err;
};

// How a run is started, beyond its answers.
struct Launch {
    std::vector<std::string> wrapper;     // a command that runs the runner (strace ...)
    std::vector<std::string> environment; // NAME=value, added to the test's own
    std::string output;                   // standard output's file; empty: one of the run's own
    double seconds = RUN_SECONDS;         // before the run is killed
};

// The runner working in `dir` with --seed 7 and the arguments, started at
// once and killed when its time is up.
class RunnerProcess {
public:
    RunnerProcess(const std::filesystem::path& dir, const std::vector<std::string>& args,
                  const Launch& launch = {});
    RunnerProcess(const RunnerProcess&) = delete;
    RunnerProcess& operator=(const RunnerProcess&) = delete;
    // Waits for the end of the run.
    Outcome finish();

private:
    std::string outPath_;
    std::string errPath_;
    bool ownOutput_;
    pid_t pid_ = 0;
    double started_ = 0;
    double seconds_;
};

inline Outcome runCorvane(const std::filesystem::path& dir, const std::vector<std::string>& args,
                          const Launch& launch = {})
{
    return RunnerProcess(dir, args, launch).finish();
}
