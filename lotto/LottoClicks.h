// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClickContext.h"

// The filtered lotto games. Each reseeds, clears and styles the pane, asks
// its biggest numbers (Keno asks nothing) and shows 1000 filtered lines.
void Pick5_Click(ClickContext& click);
void Pick6_Click(ClickContext& click);
void Pick7_Click(ClickContext& click);
void Keno_Click(ClickContext& click);
void Power51_Click(ClickContext& click);
void Power61_Click(ClickContext& click);
void EuroCombs_Click(ClickContext& click);
