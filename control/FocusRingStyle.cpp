#include "FocusRingStyle.h"

#include <QPainter>
#include <QStyleOption>

void FocusRingStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element != CE_PushButtonBevel || !(option->state & State_HasFocus))
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
