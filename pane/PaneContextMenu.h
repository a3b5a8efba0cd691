// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QAction;
class QMenu;
class QPoint;
class QtPane;

// The pane's context menu, on a right-click, the Menu key or Shift+F10:
// the actions it is given as the menu opens, a null one for a separator.
class PaneContextMenu : public QObject {
public:
    PaneContextMenu(QtPane& pane, std::function<QList<QAction*>()> entries);

    // Opens the menu under the caret, as the keyboard does.
    void popupAtCaret();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void popup(const QPoint& where);

    QtPane& pane_;
    std::function<QList<QAction*>()> entries_;
    QPointer<QMenu> shown_;
};
