#pragma once

#include "ClickContext.h"

// The three odds buttons: the jackpot odds in a message box, then 1000
// combinations of the game in the pane.
void AnyLotto_Click(ClickContext& click);
void PowerOdds_Click(ClickContext& click);
void EuroOdds_Click(ClickContext& click);

