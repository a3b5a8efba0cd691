// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPrinting.h"
#include "ToolWindow.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QSettings>

#include <gtest/gtest.h>

// A second window of a kind takes the place of the first, at the place the
// user left the last one.
TEST(ToolWindow, OpensBesideTheControlAndComesBackWhereItWasLeft)
{
    QSettings().remove(QStringLiteral("Tessaro7/windows"));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget control;
    control.setGeometry(screen.left() + 10, screen.top() + 10, 300, 300);
    control.show();
    QPointer<ToolWindow> first = new ToolWindow(&control, QStringLiteral("Probe"));
    first->resize(200, 150);
    first->showBesideControl();
    EXPECT_GT(first->frameGeometry().left(), control.frameGeometry().right());
    first->move(screen.topLeft() + QPoint(40, 60));
    const QRect left = first->geometry();

    auto* second = new ToolWindow(&control, QStringLiteral("Probe"));
    second->resize(200, 150);
    second->showBesideControl();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(second->geometry(), left);
}
