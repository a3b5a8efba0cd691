// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenPlacement.h"

#include <algorithm>

namespace {

long areaOf(const QRect& rect) { return rect.isEmpty() ? 0 : long(rect.width()) * rect.height(); }

// The screen that holds most of `area`, else the one nearest to it.
QRect screenFor(const QRect& area, const std::vector<QRect>& screens)
{
    const auto most = std::max_element(screens.begin(), screens.end(), [&area](const QRect& a, const QRect& b) {
        return areaOf(a.intersected(area)) < areaOf(b.intersected(area));
    });
    if (areaOf(most->intersected(area)) > 0)
        return *most;
    return *std::min_element(screens.begin(), screens.end(), [&area](const QRect& a, const QRect& b) {
        return (a.center() - area.center()).manhattanLength() < (b.center() - area.center()).manhattanLength();
    });
}

QSize fitSize(QSize size, const QMargins& frame, const QRect& screen, QSize minimum)
{
    return size.boundedTo(screen.size().shrunkBy(frame)).expandedTo(minimum);
}

// `inside` moved as little as it takes for its frame to lie on `screen`;
// a window bigger than the screen keeps its top left corner, where its
// title bar starts, on it.
QRect moveOnto(const QRect& inside, const QMargins& frame, const QRect& screen)
{
    const QRect outer = inside.marginsAdded(frame);
    int dx = 0;
    int dy = 0;
    if (outer.right() > screen.right())
        dx = screen.right() - outer.right();
    if (outer.left() + dx < screen.left())
        dx = screen.left() - outer.left();
    if (outer.bottom() > screen.bottom())
        dy = screen.bottom() - outer.bottom();
    if (outer.top() + dy < screen.top())
        dy = screen.top() - outer.top();
    return inside.translated(dx, dy);
}

} // namespace

QRect placeOnScreens(const QRect& saved, const QMargins& frame, const std::vector<QRect>& screens, QSize minimum)
{
    if (screens.empty() || saved.isEmpty())
        return saved;
    const QRect screen = screenFor(saved.marginsAdded(frame), screens);
    return moveOnto(QRect(saved.topLeft(), fitSize(saved.size(), frame, screen, minimum)), frame, screen);
}

QRect firstPlace(QSize size, const QMargins& frame, const QRect& screen, QSize minimum)
{
    QRect outer(QPoint(), fitSize(size, frame, screen, minimum).grownBy(frame));
    outer.moveCenter(screen.center());
    return moveOnto(outer.marginsRemoved(frame), frame, screen);
}

QRect besideOwner(QSize size, const QMargins& frame, const QRect& owner, const QRect& keepClear,
                  const std::vector<QRect>& screens, QSize minimum)
{
    if (screens.empty())
        return QRect(owner.topRight() + QPoint(1, 0), size.grownBy(frame)).marginsRemoved(frame);
    const QRect screen = screenFor(owner, screens);
    const QSize outer = fitSize(size, frame, screen, minimum).grownBy(frame);
    // Level with the owner's top, or as far up as it takes to fit the screen.
    const int top = std::max(screen.top(), std::min(owner.top(), screen.bottom() + 1 - outer.height()));
    // To the right, else to the left, narrower where the room there allows.
    const int narrowest = minimum.width() + frame.left() + frame.right();
    const int right = std::min(outer.width(), screen.right() - owner.right());
    if (right >= narrowest && right > 0)
        return QRect(QPoint(owner.right() + 1, top), QSize(right, outer.height())).marginsRemoved(frame);
    const int left = std::min(outer.width(), owner.left() - screen.left());
    if (left >= narrowest && left > 0)
        return QRect(QPoint(owner.left() - left, top), QSize(left, outer.height())).marginsRemoved(frame);
    // Over the owner's right edge, below its buttons, as tall as the room there.
    const int below = keepClear.bottom() + 1;
    const QRect over(QPoint(owner.right() + 1 - outer.width(), below),
                     QSize(outer.width(), std::max(0, std::min(outer.height(), screen.bottom() + 1 - below))));
    QRect inside = over.marginsRemoved(frame);
    inside.setSize(inside.size().expandedTo(minimum));
    return moveOnto(inside, frame, screen);
}
