// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClickContext.h"

#include <string>

class RandomSource;

// The numbers of horses a race can have: three distinct finishers are
// needed, and every horse number must fit a 16-bit integer.
constexpr double kFewestHorses = 3;
constexpr double kMostHorses = 32767;

// 1000 trifectas: three different horses in finishing order, numbered from 1
// up to `horses` (rounded up when it has a fraction), each right-aligned in
// four columns. `horses` must lie in kFewestHorses..kMostHorses.
std::string trifectaReport(double horses, RandomSource& random);

void Horses_Click(ClickContext& click);
