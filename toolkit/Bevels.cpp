#include "toolkit/Bevels.h"

#include <QPainter>
#include <QPalette>
#include <qdrawutil.h>

#include <array>
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

// The colours of the four edges of a classic button or panel: the outer
// top-left and bottom-right, then the inner ones.
using Shades = std::array<QPalette::ColorRole, 4>;

// Two edges, the outer and the inner, as the classic buttons and panels have
// them, and the inside filled with `fill` when given.
void winShades(QPainter &p, const QRect &r, const QPalette &pal, const Shades &shades, const QBrush *fill)
{
    const QColor c1 = pal.color(shades[0]), c2 = pal.color(shades[1]), c3 = pal.color(shades[2]),
                 c4 = pal.color(shades[3]);
    const int x = r.x(), y = r.y(), w = r.width(), h = r.height();
    p.fillRect(x, y, 1, h - 1, c1);
    p.fillRect(x, y, w - 1, 1, c1);
    p.fillRect(x, y + h - 1, w, 1, c2);
    p.fillRect(x + w - 1, y, 1, h, c2);
    if (w > 4 && h > 4) {
        p.fillRect(x + 1, y + 1, 1, h - 3, c3);
        p.fillRect(x + 1, y + 1, w - 3, 1, c3);
        p.fillRect(x + 1, y + h - 2, w - 2, 1, c4);
        p.fillRect(x + w - 2, y + 1, 1, h - 2, c4);
        if (fill)
            p.fillRect(QRect(x + 2, y + 2, w - 4, h - 4), *fill);
    }
}

// Qt strokes edges of two pixels or less in ways of its own; those, and any
// drawing that is not pixel for pixel, are left to it.
bool fillable(const QPainter &p, const QRect &r)
{
    return r.width() >= 3 && r.height() >= 3 && pixelExact(p);
}

} // namespace

void Bevels::winButton(QPainter &p, const QRect &rect, const QPalette &pal, bool sunken, const QBrush *fill)
{
    using R = QPalette::ColorRole;
    if (!fillable(p, rect))
        qDrawWinButton(&p, rect, pal, sunken, fill);
    else
        winShades(p, rect, pal,
                  sunken ? Shades{R::Shadow, R::Light, R::Dark, R::Button} : Shades{R::Light, R::Shadow, R::Button, R::Dark},
                  fill);
}

void Bevels::winPanel(QPainter &p, const QRect &rect, const QPalette &pal, bool sunken, const QBrush *fill)
{
    using R = QPalette::ColorRole;
    if (!fillable(p, rect))
        qDrawWinPanel(&p, rect, pal, sunken, fill);
    else
        winShades(p, rect, pal,
                  sunken ? Shades{R::Dark, R::Light, R::Shadow, R::Midlight}
                         : Shades{R::Light, R::Shadow, R::Midlight, R::Dark},
                  fill);
}

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

void Bevels::separator(QPainter &p, int x1, int x2, int y, const QColor &shadow, const QColor &highlight)
{
    horizontalLine(p, x1, x2, y, shadow);
    horizontalLine(p, x1, x2, y + 1, highlight);
}
