// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClickContext.h"

#include <string>

class RandomSource;

// 1000 lines of `digits` decimal digits, each drawn as Int(Next() * 10).
std::string digitReport(int digits, RandomSource& random);

void Pick3_Click(ClickContext& click);
void Pick4_Click(ClickContext& click);
