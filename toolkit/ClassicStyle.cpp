#include "toolkit/ClassicStyle.h"

#include <QPainter>
#include <QPolygon>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>

ClassicStyle::ClassicStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows")))
{
}

void ClassicStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                 const QWidget *widget) const
{
    switch (element) {
    case PE_IndicatorArrowUp:
    case PE_IndicatorArrowDown:
    case PE_IndicatorArrowLeft:
    case PE_IndicatorArrowRight: {
        const QRect r = option->rect;
        if (r.width() <= 1 || r.height() <= 1)
            return;
        // A solid triangle as the classic arrows are (7 pixels wide and 4
        // deep in a scroll bar's button), centred, moved while pressed.
        const int half = std::clamp(std::min(r.width(), r.height()) / 2, 2, 3);
        QPoint c = r.center();
        if (option->state & State_Sunken)
            c += QPoint(proxy()->pixelMetric(PM_ButtonShiftHorizontal, option, widget),
                        proxy()->pixelMetric(PM_ButtonShiftVertical, option, widget));
        const int base = -(half + 1) / 2;   // offset of the base from the centre
        QPolygon triangle;
        switch (element) {
        case PE_IndicatorArrowUp:
            triangle << QPoint(c.x() - half, c.y() - base) << QPoint(c.x() + half, c.y() - base)
                     << QPoint(c.x(), c.y() - base - half);
            break;
        case PE_IndicatorArrowDown:
            triangle << QPoint(c.x() - half, c.y() + base) << QPoint(c.x() + half, c.y() + base)
                     << QPoint(c.x(), c.y() + base + half);
            break;
        case PE_IndicatorArrowLeft:
            triangle << QPoint(c.x() - base, c.y() - half) << QPoint(c.x() - base, c.y() + half)
                     << QPoint(c.x() - base - half, c.y());
            break;
        default:
            triangle << QPoint(c.x() + base, c.y() - half) << QPoint(c.x() + base, c.y() + half)
                     << QPoint(c.x() + base + half, c.y());
            break;
        }
        const QColor colour = option->palette.color(option->state & State_Enabled ? QPalette::Active : QPalette::Disabled,
                                                    QPalette::ButtonText);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        if (!(option->state & State_Enabled)) {
            // The classic disabled look: grey over a white shadow.
            painter->setPen(option->palette.color(QPalette::Light));
            painter->setBrush(option->palette.color(QPalette::Light));
            painter->drawPolygon(triangle.translated(1, 1));
        }
        painter->setPen(colour);
        painter->setBrush(colour);
        painter->drawPolygon(triangle);
        painter->restore();
        return;
    }
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}
