// SPDX-License-Identifier: GPL-3.0-or-later
#include "Clock.h"

#include <chrono>
#include <ctime>

namespace {

std::tm localNow(long* microseconds)
{
    const auto now = std::chrono::system_clock::now();
    const auto since = now.time_since_epoch();
    const std::time_t seconds = std::chrono::duration_cast<std::chrono::seconds>(since).count();
    if (microseconds)
        *microseconds = static_cast<long>(
            std::chrono::duration_cast<std::chrono::microseconds>(since).count() % 1000000);
    std::tm parts{};
    localtime_r(&seconds, &parts);
    return parts;
}

} // namespace

float SystemClock::timer()
{
    long micro = 0;
    const std::tm t = localNow(&micro);
    const double seconds = t.tm_hour * 3600.0 + t.tm_min * 60.0 + t.tm_sec + micro / 1e6;
    return static_cast<float>(seconds);
}

CalendarDate SystemClock::today()
{
    const std::tm t = localNow(nullptr);
    return {t.tm_mday, t.tm_mon + 1, t.tm_year + 1900};
}
