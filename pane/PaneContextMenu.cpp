#include "PaneContextMenu.h"

#include "QtPane.h"
#include "ShownReport.h"

#include <QAbstractScrollArea>
#include <QContextMenuEvent>
#include <QMenu>

PaneContextMenu::PaneContextMenu(PaneMenuContext context) : context_(std::move(context))
{
    QWidget* pane = context_.pane.widget();
    pane->installEventFilter(this);
    // A right-click reaches a scrolling view's inner area, not the view.
    if (auto* view = qobject_cast<QAbstractScrollArea*>(pane))
        view->viewport()->installEventFilter(this);
}

QMenu* PaneContextMenu::create()
{
    QMenu* menu = context_.pane.createStandardContextMenu();
    menu->addSeparator();
    for (const PaneMenuAction& row : kPaneMenuActions) {
        QAction* action = menu->addAction(QString::fromUtf8(row.caption));
        action->setEnabled(!row.needsReport || context_.reports.last());
        connect(action, &QAction::triggered, this, [this, run = row.run] { run(context_); });
    }
    return menu;
}

// Both a right-click and the Menu key reach the pane as this one event.
bool PaneContextMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ContextMenu)
        return QObject::eventFilter(watched, event);
    // The last menu goes when the next one comes, not when it closes: its
    // action may still be running then.
    delete shown_;
    shown_ = create();
    shown_->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
    return true;
}
