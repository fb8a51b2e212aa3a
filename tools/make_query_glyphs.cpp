// Draws the call script's step glyphs as two-image strips (normal, disabled)
// of 16 x 16 pixels and writes them as PNG files into the given folder:
// previous.png (a dark arrow pointing left) and next.png (the same arrow
// pointing right). Run by hand when the glyphs change:
//     make_query_glyphs forms/glyphs/query

#include "tools/GlyphStrip.h"

namespace {

// A filled arrow with a short shaft and a broad head, drawn pointing right and
// mirrored for the left one.
void stepArrow(QPainter &p, bool right)
{
    QPolygon shape({QPoint(2, 6), QPoint(8, 6), QPoint(8, 3), QPoint(13, 8), QPoint(8, 13), QPoint(8, 10),
                    QPoint(2, 10)});
    if (!right) {
        for (QPoint &pt : shape)
            pt.setX(15 - pt.x());
    }
    p.setPen(QColor(0, 0, 0));
    p.setBrush(QColor(0, 0, 128));
    p.drawPolygon(shape);
}

} // namespace

int main(int argc, char **argv)
{
    return GlyphStrip::writeAll(argc, argv, "make_query_glyphs",
                                {
                                    {"previous", [](QPainter &p) { stepArrow(p, false); }},
                                    {"next", [](QPainter &p) { stepArrow(p, true); }},
                                });
}
