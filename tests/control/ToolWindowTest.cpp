#include "QtPrinting.h"
#include "ToolWindow.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSettings>

#include <gtest/gtest.h>

// A second window of a kind takes the place of the first, at the place the
// user left the last one; the control's window closing closes it.
TEST(ToolWindow, OpensBesideTheControlComesBackWhereItWasLeftAndClosesWithTheControl)
{
    QSettings().remove(QStringLiteral("Tessaro7/windows"));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget control;
    new QPushButton(QStringLiteral("Pick 3"), &control);
    control.setGeometry(screen.left() + 10, screen.top() + 10, 300, 300);
    control.show();

    auto* first = new ToolWindow(&control, QStringLiteral("Probe"));
    first->resize(200, 150);
    first->showBesideControl();
    EXPECT_GT(first->frameGeometry().left(), control.frameGeometry().right());
    first->move(screen.topLeft() + QPoint(40, 60));
    const QRect left = first->geometry();

    QPointer<ToolWindow> closed = first;
    auto* second = new ToolWindow(&control, QStringLiteral("Probe"));
    second->resize(200, 150);
    second->showBesideControl();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());
    EXPECT_EQ(second->geometry(), left);

    QPointer<ToolWindow> last = second;
    control.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(last.isNull());
}
