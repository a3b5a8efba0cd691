// SPDX-License-Identifier: GPL-3.0-or-later
// A Lotto 6 click into the real control, shown and painted after each
// click: prompt answered by its default, parameter file, 1000 filtered
// lines into the Qt pane.
#include <benchmark/benchmark.h>

#ifdef TESSARO7_WITH_QT
#include "CorvaneGen7.h"

#include <QApplication>
#include <QInputDialog>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <string>

static void Pick6ClickIntoTheQtPane(benchmark::State& state)
{
    // The click reads and writes "Lotto6.INI" in the current directory.
    const auto previous = std::filesystem::current_path();
    std::string directory = (std::filesystem::temp_directory_path() / "tessaro7-bench-XXXXXX").string();
    if (!::mkdtemp(directory.data())) {
        state.SkipWithError("cannot make a working directory");
        return;
    }
    std::filesystem::current_path(directory);
    CorvaneGen7 control;
    control.resize(control.sizeHint());
    control.show();
    auto* button = control.findChild<QPushButton*>(QStringLiteral("Pick6"));
    // The prompt is modal and shows only once the click has begun: look for
    // it until it is there, and accept its default.
    QTimer acceptPrompt;
    QObject::connect(&acceptPrompt, &QTimer::timeout, [] {
        if (auto* prompt = qobject_cast<QInputDialog*>(QApplication::activeModalWidget()))
            prompt->accept();
    });
    acceptPrompt.start(0);
    for (auto _ : state) {
        button->click();
        control.repaint();
    }
    acceptPrompt.stop();
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(directory);
}
BENCHMARK(Pick6ClickIntoTheQtPane)->Unit(benchmark::kMillisecond);
#endif
