// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClickContext.h"

// The three odds buttons: the jackpot odds in a message box, then 1000
// combinations of the game in the pane.
void AnyLotto_Click(ClickContext& click);
void PowerOdds_Click(ClickContext& click);
void EuroOdds_Click(ClickContext& click);

// The two calculators that no button triggers. They trap no errors: an n or
// N too large for 16 bits reaches the caller as an OverflowError.
void FFGCalculator(ClickContext& click);
void BSDCalculator(ClickContext& click);
