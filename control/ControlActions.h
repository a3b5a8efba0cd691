// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>

#include <functional>
#include <vector>

class QAction;
class QtPane;
class QWidget;
struct PaneMenuContext;

// The control's commands as actions of the control itself, from one menu
// table: the buttons that work on the pane's text (Open, Save, Print, Font),
// the pane's edit commands and the rows of the pane's menu table. A host
// window reaches them through QWidget::actions() of the control: each names
// the host menu that shows it in the property "menu" ("File", "Edit",
// "Tools"), its place there in "group" (a separator stands between groups),
// and the standard key it takes there in "standardKey". Undo and Redo
// answer their keys anywhere in the control.
class ControlActions : public QObject {
public:
    ControlActions(QWidget* control, QtPane& pane, PaneMenuContext& paneMenu,
                   std::function<void(const char* button)> runButton);

    // The pane's context menu: the edit commands, then the pane menu's
    // rows; null between groups.
    QList<QAction*> paneMenu() const;
    // Enables each action as the pane and the last report allow.
    void refresh();

private:
    struct Entry {
        QAction* action;
        std::function<bool()> enabled;
        bool inPaneMenu;
    };
    QAction* add(const char* menu, const char* name, const QString& text, int group, bool inPaneMenu,
                 std::function<void()> run, std::function<bool()> enabled);

    QWidget* control_;
    std::vector<Entry> entries_;
    QList<QAction*> paneRows_; // in the pane menu table's order
};
