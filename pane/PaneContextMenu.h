#pragma once

#include "PaneMenuTable.h"

#include <QMenu>
#include <QObject>
#include <QPointer>

// The pane's context menu, on a right-click or the Menu key: the editor's
// own edit actions, then the rows of kPaneMenuActions.
class PaneContextMenu : public QObject {
public:
    explicit PaneContextMenu(PaneMenuContext context);

    // The menu as it shows now, owned by the pane's widget.
    QMenu* create();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PaneMenuContext context_;
    QPointer<QMenu> shown_;
};
