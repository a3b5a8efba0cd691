// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

class Dialogs;
class QtPane;
class QWidget;
class ShownReport;
struct ClickContext;

// What an action of the pane's context menu works with.
struct PaneMenuContext {
    QWidget* window; // the control, which owns the windows it opens
    QtPane& pane;
    Dialogs& dialogs;
    const ShownReport& reports;
    // Runs a procedure as the surface runs a click: one at a time, the
    // report it shows kept as the last one.
    std::function<void(const std::function<void(ClickContext&)>&)> runClick;
};

// One action of the pane's context menu after the edit actions; the host
// window's Tools menu (or the menu the row names) shows it too.
struct PaneMenuAction {
    const char* caption; // "&" before the letter that chooses it, when it has one
    bool needsReport; // disabled until a click has shown a report
    void (*run)(PaneMenuContext&);
    const char* hostMenu = "Tools";
};

// The added actions, in the context menu's order.
extern const std::vector<PaneMenuAction> kPaneMenuActions;
