// SPDX-License-Identifier: GPL-3.0-or-later
#include "InterruptCleanup.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
constexpr int kSignalCount = sizeof kSignals / sizeof kSignals[0];

enum Mode { kNothing, kRemove, kHold };

// The handler reads only these, and calls only unlinkat, sigaction and raise,
// which a signal handler may.
std::atomic<int> gMode{kNothing};
std::atomic<int> gFolder{-1};
char gName[NAME_MAX + 1];
std::atomic<int> gHeld{0};
struct sigaction gPrevious[kSignalCount];
bool gInstalled[kSignalCount];

std::mutex& writerLock()
{
    static std::mutex lock;
    return lock;
}

void restore(int index)
{
    if (gInstalled[index])
        ::sigaction(kSignals[index], &gPrevious[index], nullptr);
}

extern "C" void onInterrupt(int signal)
{
    const int savedErrno = errno;
    if (gMode.load() == kHold) {
        gHeld.store(signal);
        errno = savedErrno;
        return;
    }
    if (gMode.load() == kRemove)
        ::unlinkat(gFolder.load(), gName, 0);
    for (int i = 0; i < kSignalCount; ++i)
        if (kSignals[i] == signal)
            restore(i);
    // Blocked while this runs, the signal comes again as soon as it returns,
    // to whatever handled it before.
    ::raise(signal);
    errno = savedErrno;
}

} // namespace

InterruptCleanup::InterruptCleanup()
{
    writerLock().lock();
    gMode.store(kNothing);
    gHeld.store(0);
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    action.sa_flags = SA_RESTART;
    ::sigemptyset(&action.sa_mask);
    for (int i = 0; i < kSignalCount; ++i) {
        gInstalled[i] = false;
        if (::sigaction(kSignals[i], nullptr, &gPrevious[i]) != 0)
            continue;
        // A signal the process ignores (nohup) stays ignored.
        if (!(gPrevious[i].sa_flags & SA_SIGINFO) && gPrevious[i].sa_handler == SIG_IGN)
            continue;
        gInstalled[i] = ::sigaction(kSignals[i], &action, nullptr) == 0;
    }
}

InterruptCleanup::~InterruptCleanup()
{
    gMode.store(kNothing);
    for (int i = 0; i < kSignalCount; ++i)
        restore(i);
    const int held = gHeld.exchange(0);
    writerLock().unlock();
    if (held != 0)
        ::raise(held);
}

void InterruptCleanup::removeOnSignal(int folder, const std::string& name)
{
    gMode.store(kNothing);
    if (name.size() > NAME_MAX)
        return;
    std::memcpy(gName, name.c_str(), name.size() + 1);
    gFolder.store(folder);
    gMode.store(kRemove);
}

void InterruptCleanup::forget() { gMode.store(kNothing); }

void InterruptCleanup::holdSignals() { gMode.store(kHold); }
