// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Runs the surface's clicks one at a time. While a click runs, the pointer
// shows a busy cursor and any input to the surface (a click on another
// button, a key) is dropped, and a dropped click moves no focus: a user who
// clicks while waiting must not see that click run afterwards and replace
// the report they were waiting for.
class ClickGuard : public QObject {
public:
    explicit ClickGuard(QWidget* surface) : surface_(surface) {}

    // Runs the click, unless one is already running.
    void run(const std::function<void()>& click);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* surface_;
    bool busy_ = false;
};
