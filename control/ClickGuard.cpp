// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClickGuard.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <utility>
#include <vector>

namespace {

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}

} // namespace

void ClickGuard::run(const std::function<void()>& click)
{
    if (busy_)
        return;
    struct Busy {
        ClickGuard& guard;
        // A press gives the focus before any filter sees it: while busy, the
        // surface's widgets take it from the keyboard and the click's own
        // calls alone.
        std::vector<std::pair<QPointer<QWidget>, Qt::FocusPolicy>> policies;
        explicit Busy(ClickGuard& g) : guard(g)
        {
            guard.busy_ = true;
            for (QWidget* widget : guard.surface_->findChildren<QWidget*>()) {
                const Qt::FocusPolicy policy = widget->focusPolicy();
                if (policy & Qt::ClickFocus) {
                    policies.emplace_back(widget, policy);
                    widget->setFocusPolicy(Qt::FocusPolicy(policy & ~Qt::ClickFocus));
                }
            }
            qApp->installEventFilter(&guard);
            QApplication::setOverrideCursor(Qt::WaitCursor);
            // Shown now, not when the click is over.
            QGuiApplication::sync();
        }
        ~Busy()
        {
            // Input made during the click reaches the filter now and is dropped.
            QCoreApplication::processEvents();
            QApplication::restoreOverrideCursor();
            qApp->removeEventFilter(&guard);
            for (const auto& [widget, policy] : policies)
                if (widget)
                    widget->setFocusPolicy(policy);
            guard.busy_ = false;
        }
    } busy(*this);
    click();
}

bool ClickGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (!busy_ || !isUserInput(event->type()) || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    return widget == surface_ || surface_->isAncestorOf(widget);
}
