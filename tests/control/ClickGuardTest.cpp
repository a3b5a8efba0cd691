#include "ClickGuard.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A click as the window system delivers it: queued, reaching the button
// when events are next processed.
void postClick(QPushButton* button)
{
    const QPointF centre = QRectF(button->rect()).center();
    const QPointF global = button->mapToGlobal(centre);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(button, new QMouseEvent(type, centre, global, Qt::LeftButton,
                                                            type == QEvent::MouseButtonPress ? Qt::LeftButton
                                                                                             : Qt::NoButton,
                                                            Qt::NoModifier));
}

} // namespace

TEST(ClickGuard, ShowsABusyCursorAndDropsAClickMadeDuringALongClick)
{
    QWidget surface;
    auto* slow = new QPushButton(QStringLiteral("Slow"), &surface);
    auto* other = new QPushButton(QStringLiteral("Other"), &surface);
    surface.show();
    ClickGuard guard(&surface);

    int otherRuns = 0;
    // Not through the guard: the input itself must be dropped.
    QObject::connect(other, &QPushButton::clicked, [&] { ++otherRuns; });
    Qt::CursorShape cursorDuringClick = Qt::ArrowCursor;
    QObject::connect(slow, &QPushButton::clicked, [&] {
        guard.run([&] {
            if (const QCursor* cursor = QApplication::overrideCursor())
                cursorDuringClick = cursor->shape();
            postClick(other);
        });
    });

    QTest::mouseClick(slow, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(cursorDuringClick, Qt::WaitCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(otherRuns, 0);

    // The same click once the long one is over runs.
    postClick(other);
    QCoreApplication::processEvents();
    EXPECT_EQ(otherRuns, 1);
}
