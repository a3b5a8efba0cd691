// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlActions.h"

#include "MenuMnemonics.h"
#include "PaneMenuTable.h"
#include "QtPane.h"
#include "ShownReport.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

#include <cstring>

namespace {

// One row of the control's menus: a button that works on the pane's text,
// an edit command of the pane, or (no name) the rows of the pane's menu
// table that go to this menu. Rows of a menu stand in the order of their
// groups, a separator between groups.
struct MenuRow {
    const char* menu; // the host's menu; nullptr: the pane's menu alone
    int group;
    const char* name = nullptr; // the button's or the command's name
    const char* text = nullptr;
    QKeySequence::StandardKey key = QKeySequence::UnknownKey;
    void (QtPane::*edit)() = nullptr; // nullptr: the button `name`
    bool (QtPane::*can)() const = nullptr;
};

const MenuRow kMenuRows[] = {
    {"File", 0, "Open", "&Open...", QKeySequence::Open},
    {"File", 0, "Save", "&Save...", QKeySequence::Save},
    {"File", 1},
    {"File", 2, "Print", "&Print...", QKeySequence::Print},
    {"Edit", 0, "Undo", "&Undo", QKeySequence::Undo, &QtPane::undo, &QtPane::canUndo},
    {"Edit", 0, "Redo", "&Redo", QKeySequence::Redo, &QtPane::redo, &QtPane::canRedo},
    {"Edit", 1, "Cut", "Cu&t", QKeySequence::Cut, &QtPane::cut, &QtPane::hasSelection},
    {"Edit", 1, "Copy", "&Copy", QKeySequence::Copy, &QtPane::copy, &QtPane::hasSelection},
    {"Edit", 1, "Paste", "&Paste", QKeySequence::Paste, &QtPane::paste},
    {nullptr, 1, "Delete", "&Delete", QKeySequence::Delete, &QtPane::deleteSelection, &QtPane::hasSelection},
    {"Edit", 2, "SelectAll", "Select &All", QKeySequence::SelectAll, &QtPane::selectAll},
    {"Edit", 3, "Font", "&Font...", QKeySequence::UnknownKey},
    {"Tools", 0},
};

// Every key a command answers: redo also takes the two keys editors answer
// everywhere.
QList<QKeySequence> keysOf(const MenuRow& row)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(row.key);
    if (row.key == QKeySequence::Redo)
        for (const QKeySequence& more : {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)})
            if (!keys.contains(more))
                keys << more;
    return keys;
}

} // namespace

ControlActions::ControlActions(QWidget* control, QtPane& pane, PaneMenuContext& paneMenu,
                               std::function<void(const char* button)> runButton)
    : control_(control)
{
    // The pane's rows take letters that its menu's edit commands leave free.
    std::vector<std::string> captions;
    for (const MenuRow& row : kMenuRows)
        if (row.edit)
            captions.emplace_back(row.text);
    for (const PaneMenuAction& row : kPaneMenuActions)
        captions.emplace_back(row.caption);
    captions = withMnemonics(captions);
    const std::vector<std::string> paneCaptions(captions.end() - static_cast<long>(kPaneMenuActions.size()),
                                                captions.end());

    for (std::size_t i = 0; i < kPaneMenuActions.size(); ++i)
        paneRows_ << nullptr;
    const auto addPaneRows = [&](const char* menu, int group) {
        for (std::size_t i = 0; i < kPaneMenuActions.size(); ++i) {
            const PaneMenuAction& row = kPaneMenuActions[i];
            QAction*& action = paneRows_[static_cast<int>(i)];
            if (action || (menu && std::strcmp(row.hostMenu, menu) != 0))
                continue;
            // Rows that need a report follow the others.
            action = add(row.hostMenu, nullptr, QString::fromStdString(paneCaptions[i]),
                         group + (row.needsReport ? 1 : 0), false, [&paneMenu, run = row.run] { run(paneMenu); },
                         [&paneMenu, needsReport = row.needsReport] { return !needsReport || paneMenu.reports.last(); });
        }
    };

    for (const MenuRow& row : kMenuRows) {
        if (!row.name) {
            addPaneRows(row.menu, row.group);
            continue;
        }
        const QString text = QString::fromUtf8(row.text);
        QAction* action = row.edit ? add(row.menu, row.name, text, row.group, true,
                                         [&pane, edit = row.edit] { (pane.*edit)(); },
                                         [&pane, can = row.can] { return !can || (pane.*can)(); })
                                   : add(row.menu, row.name, text, row.group, false,
                                         [runButton, button = row.name] { runButton(button); }, nullptr);
        action->setProperty("standardKey", static_cast<int>(row.key));
        if (!row.edit)
            continue;
        // Undo and redo act on the pane wherever the focus is in the control;
        // the other edit keys are the pane's own, shown in its menu.
        action->setShortcuts(keysOf(row));
        if (row.edit == &QtPane::undo || row.edit == &QtPane::redo) {
            action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        } else {
            action->setShortcutContext(Qt::WidgetShortcut);
            pane.widget()->addAction(action);
        }
    }
    // A row that names a menu no row above holds goes to that menu.
    addPaneRows(nullptr, 0);
    refresh();
}

QAction* ControlActions::add(const char* menu, const char* name, const QString& text, int group, bool inPaneMenu,
                             std::function<void()> run, std::function<bool()> enabled)
{
    auto* action = new QAction(text, control_);
    if (name)
        action->setObjectName(QString::fromLatin1(name));
    action->setProperty("menu", menu ? QString::fromLatin1(menu) : QString());
    action->setProperty("group", group);
    connect(action, &QAction::triggered, this, [this, run = std::move(run)] {
        run();
        refresh();
    });
    control_->addAction(action);
    entries_.push_back({action, std::move(enabled), inPaneMenu});
    return action;
}

QList<QAction*> ControlActions::paneMenu() const
{
    QList<QAction*> menu;
    int group = -1;
    for (const Entry& entry : entries_) {
        if (!entry.inPaneMenu)
            continue;
        const int next = entry.action->property("group").toInt();
        if (group >= 0 && next != group)
            menu << nullptr;
        group = next;
        menu << entry.action;
    }
    menu << nullptr << paneRows_;
    return menu;
}

void ControlActions::refresh()
{
    for (const Entry& entry : entries_)
        entry.action->setEnabled(!entry.enabled || entry.enabled());
}
