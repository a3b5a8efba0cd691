// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// The application's style with a thick ring around the focused push button,
// so that a keyboard user sees at a glance which button Enter or Space
// presses, and a frame in the highlight colour around a focused text box.
class FocusRingStyle : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};
