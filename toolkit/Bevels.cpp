#include "toolkit/Bevels.h"

#include <QPainter>

QRect Bevels::frame3D(QPainter &p, const QRect &rect, const QColor &topLeft, const QColor &bottomRight, int width)
{
    QRect r = rect;
    for (int i = 0; i < width && r.width() > 0 && r.height() > 0; ++i) {
        const int l = r.left();
        const int t = r.top();
        const int rr = r.left() + r.width() - 1;
        const int b = r.top() + r.height() - 1;
        p.setPen(topLeft);
        p.drawLine(l, b, l, t);
        p.drawLine(l, t, rr, t);
        p.setPen(bottomRight);
        p.drawLine(rr, t, rr, b);
        p.drawLine(rr, b, l, b);
        r.adjust(1, 1, -1, -1);
    }
    return r;
}
