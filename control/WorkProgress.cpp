// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkProgress.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include <atomic>
#include <exception>
#include <limits>
#include <mutex>
#include <string>
#include <thread>

namespace {

constexpr int kShowAfterMs = 500;
constexpr int kRefreshMs = 50;
constexpr int kSteps = 1000;

// What the working thread tells, taken by the window's thread at each refresh.
class SharedMonitor : public WorkMonitor {
public:
    bool stopRequested() const override { return stop_.load(std::memory_order_relaxed); }
    void report(double fraction, const std::string& status) override
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        fraction_ = fraction;
        status_ = status;
    }

    void requestStop() { stop_ = true; }
    void take(double& fraction, std::string& status)
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        fraction = fraction_;
        status = status_;
    }

private:
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    double fraction_ = -1;
    std::string status_;
};

} // namespace

void runWithProgress(QWidget* parent, const QString& title, const std::function<void(WorkMonitor&)>& work)
{
    SharedMonitor monitor;
    std::atomic<bool> done{false};
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            work(monitor);
        } catch (...) {
            failure = std::current_exception();
        }
        done = true;
    });

    QProgressDialog progress(parent);
    progress.setWindowTitle(title);
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    // Shown by the refresh below, not by the dialog's own estimate.
    progress.setMinimumDuration(std::numeric_limits<int>::max());
    progress.reset();
    progress.setRange(0, kSteps);
    const auto stop = [&] {
        monitor.requestStop();
        progress.setLabelText(QStringLiteral("Stopping..."));
        progress.setCancelButton(nullptr);
        progress.show();
    };
    QObject::connect(&progress, &QProgressDialog::canceled, &progress, stop);
    QObject::connect(&progress, &QDialog::rejected, &progress, stop);

    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    QTimer refresh;
    QObject::connect(&refresh, &QTimer::timeout, &loop, [&] {
        if (done) {
            loop.quit();
            return;
        }
        if (monitor.stopRequested())
            return;
        double fraction = -1;
        std::string status;
        monitor.take(fraction, status);
        if (fraction < 0)
            progress.setRange(0, 0);
        else {
            progress.setRange(0, kSteps);
            progress.setValue(static_cast<int>(fraction * kSteps));
        }
        progress.setLabelText(QString::fromStdString(status));
        if (!progress.isVisible() && clock.elapsed() >= kShowAfterMs)
            progress.show();
    });
    refresh.start(kRefreshMs);
    if (!done)
        loop.exec();
    worker.join();
    if (failure)
        std::rethrow_exception(failure);
}
