#include "toolkit/Bevels.h"

#include <QPainter>

#include <cmath>

namespace {

// Whether a logical pixel is a whole device pixel, unsmoothed: a line one
// pixel wide is then a rectangle one pixel wide, and filling it sets the same
// pixels as stroking it at a small part of the cost (a stroke visits its
// pixels one at a time).
bool pixelExact(const QPainter &p)
{
    const QTransform t = p.deviceTransform();
    return t.type() <= QTransform::TxTranslate && t.dx() == std::trunc(t.dx()) && t.dy() == std::trunc(t.dy())
        && !p.testRenderHint(QPainter::Antialiasing);
}

} // namespace

QRect Bevels::frame3D(QPainter &p, const QRect &rect, const QColor &topLeft, const QColor &bottomRight, int width)
{
    const bool exact = pixelExact(p);
    QRect r = rect;
    for (int i = 0; i < width && r.width() > 0 && r.height() > 0; ++i) {
        const int l = r.left();
        const int t = r.top();
        const int rr = r.left() + r.width() - 1;
        const int b = r.top() + r.height() - 1;
        if (exact) {
            p.fillRect(l, t, 1, r.height(), topLeft);
            p.fillRect(l, t, r.width(), 1, topLeft);
            p.fillRect(rr, t, 1, r.height(), bottomRight);
            p.fillRect(l, b, r.width(), 1, bottomRight);
        } else {
            p.setPen(topLeft);
            p.drawLine(l, b, l, t);
            p.drawLine(l, t, rr, t);
            p.setPen(bottomRight);
            p.drawLine(rr, t, rr, b);
            p.drawLine(rr, b, l, b);
        }
        r.adjust(1, 1, -1, -1);
    }
    return r;
}

void Bevels::horizontalLine(QPainter &p, int x1, int x2, int y, const QColor &colour)
{
    if (x2 < x1)
        return;
    if (pixelExact(p)) {
        p.fillRect(x1, y, x2 - x1 + 1, 1, colour);
    } else {
        p.setPen(colour);
        p.drawLine(x1, y, x2, y);
    }
}
