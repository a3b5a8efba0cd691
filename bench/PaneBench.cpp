// SPDX-License-Identifier: GPL-3.0-or-later
// The pane's figures with the real Qt pane in a shown, painted top-level
// window as big as the control's first one, and scripted answers: a big
// file through Open, U.S. Bet's long lines, and Ctrl+End in them. Each
// step ends with the window painted; "longest_gap_ms" is the longest the
// window went without answering events during it.
#ifdef TESSARO7_WITH_QT
#include "AtomicFile.h"
#include "ClickContext.h"
#include "Clock.h"
#include "PaneCommands.h"
#include "QtPane.h"
#include "RandomSource.h"
#include "ScriptedDialogs.h"
#include "SportsBetting.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace {

// Notes the longest time the event loop did not turn.
class EventGaps {
public:
    EventGaps()
    {
        QObject::connect(&beat_, &QTimer::timeout, [this] { note(); });
        beat_.start(5);
    }
    void start()
    {
        clock_.start();
        last_ = 0;
        longest_ = 0;
    }
    qint64 longest()
    {
        note();
        return longest_;
    }

private:
    void note()
    {
        const qint64 now = clock_.elapsed();
        longest_ = std::max(longest_, now - last_);
        last_ = now;
    }

    QTimer beat_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
};

class PaneBench {
public:
    PaneBench()
        : previous_(std::filesystem::current_path()),
          directory_(std::filesystem::temp_directory_path() / "tessaro7-pane-bench")
    {
        std::filesystem::create_directories(directory_);
        std::filesystem::current_path(directory_);
        // The control's pane at its first size: 53 columns, 30 lines.
        window_.resize(523, 640);
        pane_.widget()->setGeometry(8, 192, 507, 440);
        window_.show();
        while (!window_.windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        window_.repaint();
    }
    ~PaneBench()
    {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(directory_);
    }

    // Runs `step` once an iteration, the window painted after it.
    template <typename Step>
    void run(benchmark::State& state, Step step)
    {
        qint64 longest = 0;
        for (auto _ : state) {
            gaps_.start();
            step();
            window_.repaint();
            longest = std::max(longest, gaps_.longest());
        }
        state.counters["longest_gap_ms"] = static_cast<double>(longest);
        state.counters["pane_MB"] = static_cast<double>(pane_.textView().size()) / (1 << 20);
    }

    void click(ClickProcedure procedure, const std::vector<std::string>& answers)
    {
        std::ostringstream messages;
        ScriptedDialogs dialogs(answers, messages);
        ClickContext context{pane_, dialogs, RandomSource::process(), clock_, 1.0};
        procedure(context);
    }

    // A key pressed in the pane, and the window painted after it.
    void key(int key, Qt::KeyboardModifiers modifiers)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(pane_.widget(), &press);
        window_.repaint();
    }

private:
    std::filesystem::path previous_;
    std::filesystem::path directory_;
    QWidget window_;
    QtPane pane_{&window_};
    EventGaps gaps_;
    SystemClock clock_;
};

void writeReportFile(const char* name, std::size_t megabytes)
{
    const std::string line = " 3  17  22  31  40  45 \r\n";
    std::string text;
    text.reserve(megabytes << 20);
    while (text.size() + line.size() <= megabytes << 20)
        text += line;
    writeFileBytes(name, text);
}

void writeGameFile(const std::string& name, int games)
{
    std::string text;
    for (int game = 1; game <= games; ++game)
        text += "Home" + std::to_string(game) + ", Away" + std::to_string(game) + "\r\n";
    writeFileBytes(name, text);
}

} // namespace

static void OpenBigFileIntoTheQtPane(benchmark::State& state)
{
    PaneBench bench;
    writeReportFile("big.txt", static_cast<std::size_t>(state.range(0)));
    bench.run(state, [&bench] { bench.click(Open_Click, {"big.txt"}); });
}
BENCHMARK(OpenBigFileIntoTheQtPane)->Arg(60)->Arg(16)->Unit(benchmark::kMillisecond)->UseRealTime();

static void USBetIntoTheQtPane(benchmark::State& state)
{
    PaneBench bench;
    const std::string games = std::to_string(state.range(0));
    writeGameFile("GAMES." + games, static_cast<int>(state.range(0)));
    bench.run(state, [&] { bench.click(USBet_Click, {games, "GAMES." + games}); });
}
BENCHMARK(USBetIntoTheQtPane)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond)->UseRealTime();

// The last lines of U.S. Bet's 32767 games, then its first ones again.
static void CtrlEndCtrlHomeInUSBetLongLines(benchmark::State& state)
{
    PaneBench bench;
    writeGameFile("GAMES.32767", 32767);
    bench.click(USBet_Click, {"32767", "GAMES.32767"});
    bench.run(state, [&bench] {
        bench.key(Qt::Key_End, Qt::ControlModifier);
        bench.key(Qt::Key_Home, Qt::ControlModifier);
    });
}
BENCHMARK(CtrlEndCtrlHomeInUSBetLongLines)->Unit(benchmark::kMillisecond)->UseRealTime();
#endif
