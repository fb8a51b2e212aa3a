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
    // A wire clip drawn pixel by pixel: an outer loop, an inner loop and the
    // bend between them at the top.
    static const char *const rows[] = {
        "................", ".......###......", "......#...#.....", "......#...#.....",
        "....#.#.#.#.....", "....#.#.#.#.....", "....#.#.#.#.....", "....#.#.#.#.....",
        "....#.#.#.#.....", "....#.#.#.#.....", "....#.#.#.#.....", "....#..#..#.....",
        "....#.....#.....", "....#.....#.....", ".....#####......", "................",
    };
    p.setPen(QColor(48, 48, 72));
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            if (rows[y][x] == '#')
                p.drawPoint(x, y);
        }
    }
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
