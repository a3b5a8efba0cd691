// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// What one run of the runner left behind.
struct Outcome {
    int status = -1; // exit status, or -1 when killed by a signal
    int signal = 0;  // SIGKILL too when the run outlived its time
    std::string out;
    std::string err;
};

// How a run is started, beyond its answers.
struct Launch {
    std::vector<std::string> wrapper; // a command that runs the runner (strace ..., env NAME=value)
    int seconds = RUN_SECONDS;        // before the run is killed
};

// The runner working in `dir` with --seed 7 and the arguments, until it ends
// or its time is up. Several threads may run it at once.
Outcome runCorvane(const std::filesystem::path& dir, const std::vector<std::string>& args,
                   const Launch& launch = {});
