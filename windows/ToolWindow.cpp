// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolWindow.h"

#include "ScreenPlacement.h"

#include <QGuiApplication>
#include <QHideEvent>
#include <QPushButton>
#include <QScreen>
#include <QSettings>

namespace {

QString placeKey(const QString& name) { return QStringLiteral("Tessaro7/windows/") + name + QStringLiteral("/place"); }

std::vector<QRect> availableScreens()
{
    std::vector<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.push_back(screen->availableGeometry());
    return screens;
}

// What the window manager puts around a shown window; a window of the same
// application gets the same.
QMargins frameOf(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect inside = window->geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
            frame.bottom() - inside.bottom()};
}

} // namespace

ToolWindow::ToolWindow(QWidget* control, const QString& name) : QDialog(control), control_(control)
{
    setObjectName(name);
    setWindowFlag(Qt::Tool);
    if (control_)
        control_->window()->installEventFilter(this);
}

void ToolWindow::showBesideControl()
{
    if (control_)
        for (ToolWindow* other : control_->findChildren<ToolWindow*>(objectName(), Qt::FindDirectChildrenOnly))
            if (other != this)
                other->close();
    setAttribute(Qt::WA_DeleteOnClose);
    setGeometry(place());
    show();
    raise();
    activateWindow();
}

QRect ToolWindow::place() const
{
    const QWidget* owner = control_ ? control_->window() : nullptr;
    const QMargins frame = owner ? frameOf(owner) : QMargins();
    const QRect saved = QSettings().value(placeKey(objectName())).toRect();
    if (saved.isValid())
        return placeOnScreens(saved, frame, availableScreens(), minimumSizeHint());
    if (!owner)
        return geometry();
    QRect buttons;
    for (const QPushButton* button : control_->findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly))
        buttons |= QRect(button->mapToGlobal(QPoint(0, 0)), button->size());
    return besideOwner(size(), frame, owner->frameGeometry(), buttons, availableScreens(), minimumSizeHint());
}

void ToolWindow::paneReplaced(const std::string&, const LastReport*) { close(); }

bool ToolWindow::anyOpen(const QWidget* control)
{
    return control->findChild<ToolWindow*>(QString(), Qt::FindDirectChildrenOnly) != nullptr;
}

void ToolWindow::tellPaneReplaced(QWidget* control, const std::string& text, const LastReport* report)
{
    for (ToolWindow* window : control->findChildren<ToolWindow*>(QString(), Qt::FindDirectChildrenOnly))
        window->paneReplaced(text, report);
}

void ToolWindow::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    // A window minimised with its owner is still open.
    if (event->spontaneous())
        return;
    QSettings().setValue(placeKey(objectName()), geometry());
    if (testAttribute(Qt::WA_DeleteOnClose))
        deleteLater();
}

bool ToolWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (control_ && watched == control_->window() && event->type() == QEvent::Hide && !event->spontaneous())
        close();
    return QDialog::eventFilter(watched, event);
}
