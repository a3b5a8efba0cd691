// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPrinting.h"
#include "WorkProgress.h"

#include "DialogTesting.h"

#include <QProgressDialog>
#include <QPushButton>

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <thread>

namespace {

// Work that reports and waits until it is asked to stop; what it saw is kept.
struct WaitForStop {
    int reports = 0;
    bool stopped = false;
    void operator()(WorkMonitor& monitor)
    {
        while (!monitor.stopRequested()) {
            monitor.report(0.25, "tickets: " + std::to_string(++reports));
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        stopped = true;
    }
};

} // namespace

TEST(WorkProgress, ShowsWhatLongWorkSaysAndCancelAsksItToStop)
{
    QWidget window;
    window.show();
    WaitForStop work;
    QString label;
    int value = -1;
    whenDialogShows<QProgressDialog>([&](QProgressDialog* progress) {
        // Once the work has told something, read it and press Cancel.
        QTimer::singleShot(120, progress, [&, progress] {
            label = progress->labelText();
            value = progress->value();
            progress->findChild<QPushButton*>()->click();
        });
    });
    runWithProgress(&window, QStringLiteral("Wheel Numbers"), [&](WorkMonitor& monitor) { work(monitor); });
    EXPECT_TRUE(work.stopped);
    EXPECT_TRUE(label.startsWith(QStringLiteral("tickets: "))) << label.toStdString();
    EXPECT_EQ(value, 250);
}

TEST(WorkProgress, ShortWorkShowsNoDialogAndItsFailureReachesTheCaller)
{
    QWidget window;
    bool ran = false;
    runWithProgress(&window, QStringLiteral("Quick"), [&](WorkMonitor& monitor) { ran = !monitor.stopRequested(); });
    EXPECT_TRUE(ran);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_THROW(runWithProgress(&window, QStringLiteral("Failing"),
                                 [](WorkMonitor&) { throw std::runtime_error("out of memory"); }),
                 std::runtime_error);
}
