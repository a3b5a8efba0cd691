// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// The Fundamental Formula of Gambling: the trials an event of probability
// p = favourable / cases needs to appear at least once with the degree of
// certainty `certainty` percent.
double ffgTrials(std::int16_t favourable, std::int16_t cases, float certainty);
std::string ffgReport(std::int16_t favourable, std::int16_t cases, float certainty);
