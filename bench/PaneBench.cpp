// The pane's figures with the real Qt pane in a shown window and scripted
// answers: a big file through Open, U.S. Bet's long lines. Each click ends
// with the window's next repaint; "longest_gap_ms" is the longest the window
// went without one during the click.
#ifdef TESSARO7_WITH_QT
#include "ClickContext.h"
#include "Clock.h"
#include "PaneCommands.h"
#include "QtPane.h"
#include "RandomSource.h"
#include "ScriptedDialogs.h"
#include "SportsBetting.h"
#include "TextFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace {

// Notes the longest time between two paints of the pane.
class PaintGaps : public QObject {
public:
    void start()
    {
        clock_.start();
        last_ = 0;
        longest_ = 0;
    }
    qint64 longest() const { return std::max(longest_, clock_.elapsed() - last_); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            longest_ = std::max(longest_, clock_.elapsed() - last_);
            last_ = clock_.elapsed();
        }
        return false;
    }

private:
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
        window_.resize(900, 700);
        pane_.widget()->setGeometry(0, 0, 900, 700);
        window_.show();
        pane_.widget()->installEventFilter(&gaps_);
        QCoreApplication::processEvents();
    }
    ~PaneBench()
    {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(directory_);
    }

    void run(benchmark::State& state, ClickProcedure procedure, const std::vector<std::string>& answers)
    {
        qint64 longest = 0;
        for (auto _ : state) {
            std::ostringstream messages;
            ScriptedDialogs dialogs(answers, messages);
            ClickContext click{pane_, dialogs, RandomSource::process(), clock_, std::nullopt};
            gaps_.start();
            procedure(click);
            pane_.widget()->repaint();
            longest = std::max(longest, gaps_.longest());
        }
        state.counters["longest_gap_ms"] = static_cast<double>(longest);
        state.counters["pane_MB"] = static_cast<double>(pane_.text().size()) / (1 << 20);
    }

private:
    std::filesystem::path previous_;
    std::filesystem::path directory_;
    QWidget window_;
    QtPane pane_{&window_};
    PaintGaps gaps_;
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
    bench.run(state, Open_Click, {"big.txt"});
}
BENCHMARK(OpenBigFileIntoTheQtPane)->Arg(60)->Arg(16)->Unit(benchmark::kMillisecond)->UseRealTime();

static void USBetIntoTheQtPane(benchmark::State& state)
{
    PaneBench bench;
    const std::string games = std::to_string(state.range(0));
    writeGameFile("GAMES." + games, static_cast<int>(state.range(0)));
    bench.run(state, USBet_Click, {games, "GAMES." + games});
}
BENCHMARK(USBetIntoTheQtPane)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond)->UseRealTime();
#endif
