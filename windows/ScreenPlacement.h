// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

#include <vector>

// Where windows go on the screens, given as their available areas (without
// panels and docks). A window's rectangle here is its inside, as
// QWidget::geometry() gives it; `frame` is what the window manager adds
// around it, the title bar above.

// A place to show a window again: `saved` itself when its whole frame lies
// on a screen, else moved (and, beyond the screen's size, shrunk) onto the
// screen that holds most of it, or the nearest one. A place that fits comes
// back unchanged, so that a window opened and closed again does not creep.
// Never smaller than `minimum`; a window that cannot fit keeps its title bar
// on the screen.
QRect placeOnScreens(const QRect& saved, const QMargins& frame, const std::vector<QRect>& screens,
                     QSize minimum = {});

// The first place of a window that wants `size`: shrunk to fit its screen
// with its frame, and centred on it.
QRect firstPlace(QSize size, const QMargins& frame, const QRect& screen, QSize minimum = {});

// A tool window of `size` beside its owner window, whose frame is `owner`:
// to the right of it where its screen has room, else to the left, narrower
// down to `minimum` when need be; else over the owner below `keepClear` (the
// owner's buttons, which stay in sight), shrunk to the room there.
QRect besideOwner(QSize size, const QMargins& frame, const QRect& owner, const QRect& keepClear,
                  const std::vector<QRect>& screens, QSize minimum = {});
