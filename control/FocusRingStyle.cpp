// SPDX-License-Identifier: GPL-3.0-or-later
#include "FocusRingStyle.h"

#include <QPainter>
#include <QStyleOption>

void FocusRingStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if (!(option->state & State_HasFocus))
        return;
    // The pane's frame takes the highlight colour as the only mark of focus
    // a text box shows, beside its caret.
    if (element == CE_ShapedFrame) {
        painter->save();
        painter->setPen(option->palette.highlight().color());
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5));
        painter->restore();
        return;
    }
    if (element != CE_PushButtonBevel)
        return;
    constexpr qreal kRing = 2;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(option->palette.highlight(), kRing));
    painter->setBrush(Qt::NoBrush);
    const QRectF ring = QRectF(option->rect).adjusted(kRing / 2, kRing / 2, -kRing / 2, -kRing / 2);
    painter->drawRoundedRect(ring, kRing, kRing);
    painter->restore();
}
