// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPrinting.h"
#include "ScreenPlacement.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// A window manager's frame: a border and a title bar above.
const QMargins kFrame(1, 20, 1, 1);
const QRect kScreen(0, 0, 1280, 1024);
// The same screen at twice the scale, a panel along its top.
const QRect kHalfScreen(0, 15, 640, 497);

} // namespace

// A place that fits comes back unchanged, and every place given back fits
// and comes back unchanged: a window closed and opened again never creeps.
TEST(ScreenPlacement, APlaceIsMovedAndShrunkOnlyAsFarAsItsFrameNeedsToFitAScreen)
{
    const QRect second(1280, 0, 1920, 1080);
    const std::tuple<QRect, std::vector<QRect>, QSize, QRect> cases[] = {
        {{100, 100, 500, 400}, {kScreen}, {}, {100, 100, 500, 400}},
        {{100, 5, 500, 400}, {kScreen}, {}, {100, 20, 500, 400}},        // title bar above the screen
        {{-300, 100, 500, 400}, {kScreen}, {}, {1, 100, 500, 400}},
        {{0, 20, 523, 1024}, {kHalfScreen}, {}, {1, 35, 523, 476}},       // taller than the screen
        {{0, 20, 523, 1024}, {kHalfScreen}, {523, 500}, {1, 35, 523, 500}}, // no smaller than its minimum
        {{1100, 100, 500, 400}, {kScreen, second}, {}, {1281, 100, 500, 400}}, // most of it on the second
        {{3000, 100, 500, 400}, {kScreen}, {}, {779, 100, 500, 400}},    // a screen that is gone
    };
    for (const auto& [saved, screens, minimum, placed] : cases) {
        EXPECT_EQ(placeOnScreens(saved, kFrame, screens, minimum), placed) << saved.x() << "," << saved.y();
        EXPECT_EQ(placeOnScreens(placed, kFrame, screens, minimum), placed) << saved.x() << "," << saved.y();
    }
}

TEST(ScreenPlacement, AFirstWindowIsCentredAndNoBiggerThanItsScreenWithItsFrame)
{
    const std::tuple<QSize, QRect, QSize, QRect> cases[] = {
        {{523, 679}, kScreen, {}, {378, 182, 523, 679}},
        {{523, 700}, kHalfScreen, {}, {58, 35, 523, 476}},
        {{800, 300}, kHalfScreen, {523, 100}, {1, 123, 638, 300}},
    };
    for (const auto& [size, screen, minimum, placed] : cases)
        EXPECT_EQ(firstPlace(size, kFrame, screen, minimum), placed) << size.width() << "x" << size.height();
}

// The owner's frame, the bottom of its buttons and the tool window's size.
TEST(ScreenPlacement, AToolWindowGoesBesideItsOwnerElseOverItsPaneBelowTheButtons)
{
    const std::tuple<QRect, int, QSize, std::vector<QRect>, QRect> cases[] = {
        {{100, 100, 525, 700}, 300, {400, 300}, {kScreen}, {626, 120, 400, 300}},   // to the right
        {{800, 100, 470, 700}, 300, {400, 300}, {kScreen}, {399, 120, 400, 300}},   // to the left
        {{100, 600, 525, 400}, 800, {400, 500}, {kScreen}, {626, 523, 400, 500}},   // up to fit the screen
        {{377, 143, 525, 700}, 300, {440, 300}, {kScreen}, {903, 163, 376, 300}},   // narrower to fit the right
        {{0, 0, 1100, 1000}, 250, {400, 300}, {kScreen}, {699, 271, 400, 300}},     // too narrow a room beside
        {{0, 0, 1280, 1000}, 250, {400, 300}, {kScreen}, {879, 271, 400, 300}},     // below the buttons
        {{0, 15, 640, 497}, 245, {480, 400}, {kHalfScreen}, {159, 266, 480, 245}},  // shrunk to the room there
    };
    for (const auto& [owner, buttonsBottom, size, screens, placed] : cases) {
        const QRect keepClear(owner.left(), owner.top(), owner.width(), buttonsBottom - owner.top() + 1);
        EXPECT_EQ(besideOwner(size, kFrame, owner, keepClear, screens, {200, 100}), placed) << owner.x();
    }
}
