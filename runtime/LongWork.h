// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// What long work (a wheel search, a history check of millions of pairs)
// hears and tells while it runs: whether the user asked it to stop, and how
// far it got. Work asked to stop ends soon, keeping what it found so far.
// Both are called on the thread the work runs on.
class WorkMonitor {
public:
    virtual ~WorkMonitor() = default;

    virtual bool stopRequested() const = 0;
    // How far the work is, from 0 to 1 (negative when it cannot tell), and a
    // line that says where it stands. Cheap enough to call every millisecond.
    virtual void report(double fraction, const std::string& status) = 0;
};

// Work that nobody watches (the runner, the tests): it is never asked to
// stop, and what it tells goes nowhere.
class UnwatchedWork : public WorkMonitor {
public:
    bool stopRequested() const override { return false; }
    void report(double, const std::string&) override {}
};
