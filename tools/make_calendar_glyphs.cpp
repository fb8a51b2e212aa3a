// Draws the glyphs of the campaign activity screen as two-image strips
// (normal, disabled) of 16 x 16 pixels and writes them as PNG files into the
// given folder: include.png (an arrow to the left, towards the chosen contact
// types), exclude.png (an arrow to the right, back to the available ones) and
// attach.png (a paper clip for the e-mail attachment). Run by hand when the
// glyphs change:
//     make_calendar_glyphs forms/glyphs/calendar

#include "tools/GlyphStrip.h"

namespace {

void arrow(QPainter &p, bool right)
{
    // A solid triangle with a short shaft, as list-transfer buttons show.
    QPolygon shape({QPoint(3, 8), QPoint(9, 2), QPoint(9, 6), QPoint(13, 6), QPoint(13, 10), QPoint(9, 10),
                    QPoint(9, 14)});
    if (right) {
        for (QPoint &pt : shape)
            pt.setX(16 - pt.x());
    }
    p.setPen(QColor(0, 0, 0));
    p.setBrush(QColor(0, 0, 128));
    p.drawPolygon(shape);
}

void paperClip(QPainter &p)
{
    QPainterPath clip;
    clip.moveTo(10, 4);
    clip.lineTo(10, 11);
    clip.arcTo(QRectF(6, 9, 4, 4), 0, -180);
    clip.lineTo(6, 3);
    clip.arcTo(QRectF(6, 1, 6, 4), 180, -180);
    clip.lineTo(12, 12);
    clip.arcTo(QRectF(4, 9, 8, 6), 0, -180);
    clip.lineTo(4, 5);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(48, 48, 64), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(clip);
}

} // namespace

int main(int argc, char **argv)
{
    return GlyphStrip::writeAll(argc, argv, "make_calendar_glyphs",
                                {
                                    {"include", [](QPainter &p) { arrow(p, false); }},
                                    {"exclude", [](QPainter &p) { arrow(p, true); }},
                                    {"attach", paperClip},
                                });
}
