// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaneContextMenu.h"

#include "QtPane.h"

#include <QAbstractScrollArea>
#include <QContextMenuEvent>
#include <QMenu>

PaneContextMenu::PaneContextMenu(QtPane& pane, std::function<QList<QAction*>()> entries)
    : pane_(pane), entries_(std::move(entries))
{
    QWidget* widget = pane_.widget();
    widget->installEventFilter(this);
    // A right-click reaches a scrolling view's inner area, not the view.
    if (auto* view = qobject_cast<QAbstractScrollArea*>(widget))
        view->viewport()->installEventFilter(this);
}

void PaneContextMenu::popupAtCaret() { popup(pane_.widget()->mapToGlobal(pane_.caretPoint())); }

void PaneContextMenu::popup(const QPoint& where)
{
    // The last menu goes when the next one comes, not when it closes: its
    // action may still be running then.
    delete shown_;
    shown_ = new QMenu(pane_.widget());
    for (QAction* action : entries_()) {
        if (action)
            shown_->addAction(action);
        else
            shown_->addSeparator();
    }
    shown_->popup(where);
}

bool PaneContextMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ContextMenu)
        return QObject::eventFilter(watched, event);
    auto* menuEvent = static_cast<QContextMenuEvent*>(event);
    if (menuEvent->reason() == QContextMenuEvent::Mouse)
        popup(menuEvent->globalPos());
    else
        popupAtCaret();
    return true;
}
