// SPDX-License-Identifier: GPL-3.0-or-later
#include "Seeder.h"

#include "Clock.h"
#include "RandomSource.h"

#include <cmath>

double TheSeeder(RandomSource& random, Clock& clock)
{
    random.reseed(clock.timer());
    const CalendarDate date = clock.today();
    const auto d = static_cast<short>(date.day);
    const auto m = static_cast<short>(date.month);
    const auto y = static_cast<float>(date.year);

    const float r1 = random.next();
    const float r2 = random.next();
    const float r3 = random.next();
    // The products stay in single precision, as the values are singles.
    const float f1 = std::floor(r3 * d) + 1;
    const float f2 = std::floor(r2 * y + 1) + 1;
    const float f3 = std::floor(m * r1 + 1);
    const double x = static_cast<double>(f3) * f2 * f1;
    const float r4 = random.next();
    const double bigY = (std::floor(r4 * x) + 1) * x;
    const float r5 = random.next();
    const float t = clock.timer();
    const float r6 = random.next();
    const double z = std::floor(r6 * y + m);
    const float w = t * r5 + 1;
    return static_cast<double>(w) * z + bigY;
}
