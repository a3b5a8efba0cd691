// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Time of day and today's date, behind an interface so tests can fix them.
struct CalendarDate {
    int day = 1;
    int month = 1;
    int year = 2000;
};

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since local midnight, with a fraction (0 <= t < 86400).
    virtual float timer() = 0;
    virtual CalendarDate today() = 0;
};

class SystemClock : public Clock {
public:
    float timer() override;
    CalendarDate today() override;
};
