// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

class Pane;

// The banner caption: three lines joined by CR.
std::string bannerCaption();

// UserControl_Initialize's welcome text: replaces the pane's text, then
// appends each further line, every one ended by LF.
void writeWelcome(Pane& pane);
