// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

class QProgressDialog;
class QWidget;

// Work that must run on the window's thread, done in slices (a big text
// going into the pane): between slices the window repaints, and once the
// work has taken `showAfterMs` a progress dialog over `parent` shows how far
// it is, with Cancel. Until then no input reaches the window.
class SliceProgress {
public:
    SliceProgress(QWidget* parent, QString title, QString label, int showAfterMs);
    ~SliceProgress();
    SliceProgress(const SliceProgress&) = delete;
    SliceProgress& operator=(const SliceProgress&) = delete;

    // A slice is done, `fraction` of the whole; false once the user asked
    // to stop.
    bool sliceDone(double fraction);

private:
    QWidget* parent_;
    QString title_;
    QString label_;
    int showAfterMs_;
    QElapsedTimer clock_;
    QElapsedTimer sinceEvents_;
    QPointer<QProgressDialog> dialog_;
    bool cancelled_ = false;
};
