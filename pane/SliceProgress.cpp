// SPDX-License-Identifier: GPL-3.0-or-later
#include "SliceProgress.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace {

// The window answers at least this often.
constexpr qint64 kEventsEveryMs = 50;
constexpr int kSteps = 1000;

} // namespace

SliceProgress::SliceProgress(QWidget* parent, QString title, QString label, int showAfterMs)
    : parent_(parent), title_(std::move(title)), label_(std::move(label)), showAfterMs_(showAfterMs)
{
    clock_.start();
    sinceEvents_.start();
}

SliceProgress::~SliceProgress() { delete dialog_; }

bool SliceProgress::sliceDone(double fraction)
{
    if (cancelled_)
        return false;
    if (!dialog_ && clock_.elapsed() >= showAfterMs_) {
        dialog_ = new QProgressDialog(label_, QStringLiteral("Cancel"), 0, kSteps, parent_);
        dialog_->setWindowTitle(title_);
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        dialog_->setMinimumDuration(0);
        dialog_->show();
    }
    if (dialog_)
        dialog_->setValue(static_cast<int>(fraction * kSteps));
    if (sinceEvents_.elapsed() >= kEventsEveryMs || cancelled_) {
        // Before the dialog shows, a key or click would reach the window the
        // work is filling; the dialog keeps it from the window while it shows.
        QCoreApplication::processEvents(dialog_ ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
        sinceEvents_.restart();
    }
    cancelled_ = dialog_ && dialog_->wasCanceled();
    return !cancelled_;
}
