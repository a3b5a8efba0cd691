// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPrinting.h"
#include "ClickGuard.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Counts the paint events that reach a widget.
struct PaintCounter : QObject {
    int seen = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        seen += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

} // namespace

TEST(ClickGuard, ShowsABusyCursorAndDropsAClickMadeDuringALongClick)
{
    QWidget surface;
    auto* clicked = new QPushButton(QStringLiteral("Clicked"), &surface);
    auto* other = new QPushButton(QStringLiteral("Other"), &surface);
    other->move(0, 40);
    surface.show();
    clicked->setFocus();
    ClickGuard guard(&surface);

    int otherRuns = 0;
    // Not through the guard: the input itself must be dropped.
    QObject::connect(other, &QPushButton::clicked, [&] { ++otherRuns; });
    // A click as the window system delivers it: queued, reaching the button
    // when events are next processed.
    const auto clickLater = [other] {
        QMetaObject::invokeMethod(other, [other] { QTest::mouseClick(other, Qt::LeftButton); }, Qt::QueuedConnection);
    };
    PaintCounter paints;
    other->installEventFilter(&paints);
    Qt::CursorShape cursorDuringClick = Qt::ArrowCursor;
    // The window still repaints during the click.
    guard.run([&] {
        if (const QCursor* cursor = QApplication::overrideCursor())
            cursorDuringClick = cursor->shape();
        clickLater();
        other->repaint();
    });
    EXPECT_GT(paints.seen, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(cursorDuringClick, Qt::WaitCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(otherRuns, 0);
    // The dropped click took no focus: the ring stays where the user left it.
    EXPECT_EQ(surface.focusWidget(), clicked);

    // The same click once the long one is over runs.
    clickLater();
    QCoreApplication::processEvents();
    EXPECT_EQ(otherRuns, 1);
}
