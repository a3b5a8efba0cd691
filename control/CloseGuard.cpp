// SPDX-License-Identifier: GPL-3.0-or-later
#include "CloseGuard.h"

#include <QEvent>
#include <QMessageBox>
#include <QWidget>

CloseGuard::CloseGuard(QWidget* control, std::function<Unsaved()> unsaved, std::function<bool()> save)
    : control_(control), unsaved_(std::move(unsaved)), save_(std::move(save))
{
    // The host may place the control in its window after creating it.
    control_->installEventFilter(this);
}

void CloseGuard::watchWindow()
{
    QWidget* window = control_->window();
    if (window == window_)
        return;
    if (window_ && window_ != control_)
        window_->removeEventFilter(this);
    window_ = window;
    if (window != control_)
        window->installEventFilter(this);
}

bool CloseGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == control_ && (event->type() == QEvent::Show || event->type() == QEvent::ParentChange))
        watchWindow();
    if (watched == window_ && event->type() == QEvent::Close && !mayClose()) {
        event->ignore();
        return true;
    }
    return false;
}

bool CloseGuard::mayClose()
{
    for (Unsaved unsaved = unsaved_(); unsaved != Unsaved::Nothing; unsaved = unsaved_()) {
        const QString text = unsaved == Unsaved::Shown
            ? QStringLiteral("The text box holds text you typed that is not saved.\n"
                             "Save it before closing?")
            : QStringLiteral("A click replaced text you typed that is not saved; Undo can still bring it back.\n"
                             "Save it before closing?");
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Close"), text,
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window_);
        box.setDefaultButton(QMessageBox::Save);
        switch (box.exec()) {
        case QMessageBox::Save:
            if (!save_())
                return false;
            break;
        case QMessageBox::Discard:
            return true;
        default:
            return false;
        }
    }
    return true;
}
