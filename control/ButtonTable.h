// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClickContext.h"

#include <array>
#include <string_view>

// One button of the control's surface, in twips as laid out at design time.
struct ButtonSpec {
    const char* name;
    const char* caption;
    const char* tooltip;
    int left;
    int top;
    int tabIndex;
    ClickProcedure click;
};

// The twenty buttons, row by row. The surface, the wiring and the runner's
// names all come from this table; every procedure is set.
extern const std::array<ButtonSpec, 20> kButtons;

// What no button triggers, reached by name: the two calculators, and the
// wheel, which the pane's menu opens.
struct OperationSpec {
    const char* name;
    const char* description;
    ClickProcedure run;
};
extern const std::array<OperationSpec, 3> kPrivateOperations;

constexpr int kButtonWidth = 1215;
constexpr int kButtonHeight = 300;

// Case-insensitive lookup of a button; nullptr when there is none.
const ButtonSpec* findButton(std::string_view name);
const OperationSpec* findOperation(std::string_view name);

// Runs a button's procedure; the click's report gets the button's name and
// caption, the procedure adds its values and seed.
void runButton(const ButtonSpec& button, ClickContext& click);

// Makes a report again with its own values and seed, asking nothing: the
// same procedure (a button's, or an operation's such as the wheel), its
// prompts and file dialog answered from the report. Message boxes still go
// to the click's dialogs. Does nothing for a report of neither.
void runAgain(const LastReport& report, ClickContext& click);
