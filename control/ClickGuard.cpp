#include "ClickGuard.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

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
        explicit Busy(ClickGuard& g) : guard(g)
        {
            guard.busy_ = true;
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
