// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmarks' main: one headless Qt application for the control's figures.
#include <benchmark/benchmark.h>

#ifdef TESSARO7_WITH_QT
#include <QApplication>
#endif

int main(int argc, char** argv)
{
#ifdef TESSARO7_WITH_QT
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
