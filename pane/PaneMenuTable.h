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
    QWidget* window; // its dialogs open over it
    QtPane& pane;
    Dialogs& dialogs;
    const ShownReport& reports;
    // Runs a procedure as the surface runs a click: one at a time, the
    // report it shows kept as the last one.
    std::function<void(const std::function<void(ClickContext&)>&)> runClick;
};

// One action that the pane's context menu adds to the editor's own.
struct PaneMenuAction {
    const char* caption;
    bool needsReport; // disabled until a click has shown a report
    void (*run)(PaneMenuContext&);
};

// The added actions, in the menu's order.
extern const std::vector<PaneMenuAction> kPaneMenuActions;
