// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WheelShape.h"

#include <cstdint>

// The Schönheim bound: no covering of every T-set of V numbers by tickets of
// K numbers has fewer tickets than
// ceil(V/K ceil((V-1)/(K-1) ... ceil((V-T+1)/(K-T+1)))). Saturates at the
// largest 64-bit value.
std::uint64_t schonheimBound(int v, int k, int t);

// The fewest tickets a wheel of the shape can have, as far as a short proof
// goes: the Schönheim bound for M = T; for "2 if M" the pairs a ticket must
// cover once no M numbers may stay unpaired (Turán: the pairs left out form
// a graph without M mutually unpaired numbers, at most that of M - 1 equal
// parts), and 1 otherwise.
std::uint64_t wheelLowerBound(const WheelShape& shape);
