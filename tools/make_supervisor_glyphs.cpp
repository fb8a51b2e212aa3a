// Draws the glyph of the supervisor screens' chart button as a two-image
// strip (normal, disabled) of 16 x 16 pixels and writes it as chart.png into
// the given folder: a bar chart of four bars on two axes. Run by hand when
// the glyph changes:
//     make_supervisor_glyphs forms/glyphs/supervisor

#include "tools/GlyphStrip.h"

namespace {

void barChart(QPainter &p)
{
    struct Bar {
        int left, top;
        QColor fill;
    };
    const Bar bars[] = {
        {3, 8, QColor(64, 96, 255)},
        {6, 4, QColor(255, 64, 64)},
        {9, 6, QColor(64, 192, 64)},
        {12, 2, QColor(255, 224, 0)},
    };
    p.setPen(QColor(0, 0, 0));
    for (const Bar &b : bars) {
        p.setBrush(b.fill);
        p.drawRect(b.left, b.top, 2, 13 - b.top);
    }
    // The axes last, so that the bars stand on the base line.
    p.drawLine(1, 1, 1, 14);
    p.drawLine(1, 14, 15, 14);
}

} // namespace

int main(int argc, char **argv)
{
    return GlyphStrip::writeAll(argc, argv, "make_supervisor_glyphs", {{"chart", barChart}});
}
