// Draws the wizard's button glyphs as two-image strips (normal, disabled) of
// 16 x 16 pixels each and writes them as PNG files into the given folder:
// back.png (arrow left), next.png (arrow right), restart.png (a house) and
// exit.png (an open door). Run by hand when the glyphs change:
//     make_glyphs forms/glyphs

#include "tools/GlyphStrip.h"

namespace {

void arrow(QPainter &p, bool right)
{
    QPolygon shape({QPoint(1, 6), QPoint(7, 6), QPoint(7, 2), QPoint(13, 8), QPoint(7, 14), QPoint(7, 10),
                    QPoint(1, 10)});
    if (!right) {
        for (QPoint &pt : shape)
            pt.setX(14 - pt.x());
    }
    p.setPen(QColor(0, 64, 0));
    p.setBrush(QColor(0, 160, 0));
    p.drawPolygon(shape);
}

void house(QPainter &p)
{
    p.setPen(QColor(0, 0, 96));
    p.setBrush(QColor(0, 0, 200));
    p.drawPolygon(QPolygon({QPoint(1, 8), QPoint(8, 1), QPoint(15, 8)}));
    p.setBrush(QColor(64, 96, 224));
    p.drawRect(3, 8, 10, 6);
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(7, 10, 2, 4);
}

void door(QPainter &p)
{
    p.setPen(QColor(0, 0, 0));
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(3, 1, 10, 14);
    p.setPen(QColor(64, 32, 0));
    p.setBrush(QColor(160, 80, 0));
    p.drawPolygon(QPolygon({QPoint(3, 1), QPoint(9, 3), QPoint(9, 15), QPoint(3, 15)}));
    p.setPen(QColor(255, 224, 0));
    p.drawPoint(7, 9);
}

} // namespace

int main(int argc, char **argv)
{
    return GlyphStrip::writeAll(argc, argv, "make_glyphs",
                                {
                                    {"back", [](QPainter &p) { arrow(p, false); }},
                                    {"next", [](QPainter &p) { arrow(p, true); }},
                                    {"restart", house},
                                    {"exit", door},
                                });
}
