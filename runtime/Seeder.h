// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Clock;
class RandomSource;

// The seed of every generator: mixes two readings of the clock, today's date
// and six draws. Reseeds the source with the time of day on the way.
double TheSeeder(RandomSource& random, Clock& clock);
