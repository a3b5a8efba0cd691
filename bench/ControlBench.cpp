// SPDX-License-Identifier: GPL-3.0-or-later
// One click into the real control, and the runner as a whole process.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#ifdef TESSARO7_WITH_QT
#include "CorvaneGen7.h"

#include <QPushButton>

// In a shown window, painted after each click.
static void Pick3ClickIntoTheQtPane(benchmark::State& state)
{
    CorvaneGen7 control;
    control.resize(control.sizeHint());
    control.show();
    auto* button = control.findChild<QPushButton*>(QStringLiteral("Pick3"));
    for (auto _ : state) {
        button->click();
        control.repaint();
    }
}
BENCHMARK(Pick3ClickIntoTheQtPane)->Unit(benchmark::kMillisecond);
#endif

static void RunnerPick3Process(benchmark::State& state)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    char path[] = CORVANE_RUNNER_PATH;
    char name[] = "Pick3";
    char* argv[] = {path, name, nullptr};
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, path, &actions, nullptr, argv, environ) != 0) {
            state.SkipWithError("cannot start the runner");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
    }
    posix_spawn_file_actions_destroy(&actions);
}
BENCHMARK(RunnerPick3Process)->Unit(benchmark::kMillisecond);
