// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// While a file is written: SIGTERM, SIGINT and SIGHUP first remove the one
// temporary file named here, then end the process as they would have.
// While the old file itself is being overwritten they wait instead, and
// come when this ends. One writer at a time: a second waits for the first.
class InterruptCleanup {
public:
    InterruptCleanup();
    ~InterruptCleanup();
    InterruptCleanup(const InterruptCleanup&) = delete;
    InterruptCleanup& operator=(const InterruptCleanup&) = delete;

    // `name` in the open folder `folder` goes when a signal comes.
    void removeOnSignal(int folder, const std::string& name);
    // Nothing to remove any more.
    void forget();
    // A signal waits until this ends: the file is half written.
    void holdSignals();
};
