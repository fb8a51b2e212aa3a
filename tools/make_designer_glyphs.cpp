// Draws the glyphs of the screen designer's toolbar buttons as two-image
// strips (normal, disabled) of 16 x 16 pixels and writes them as PNG files
// into the given folder. Run by hand when the glyphs change:
//     make_designer_glyphs forms/glyphs/designer

#include "tools/GlyphStrip.h"

namespace {

const QColor Ink(0, 0, 0);
const QColor Navy(0, 0, 128);
const QColor Blue(0, 64, 200);
const QColor Green(0, 144, 0);
const QColor Red(192, 0, 0);
const QColor Yellow(255, 224, 64);
const QColor Paper(255, 255, 255);
const QColor Gray(128, 128, 128);
const QColor Skin(240, 192, 144);

void box(QPainter &p, const QRect &r, const QColor &pen, const QColor &fill)
{
    p.setPen(pen);
    p.setBrush(fill);
    p.drawRect(r);
}

void polygon(QPainter &p, std::initializer_list<QPoint> points, const QColor &pen, const QColor &fill)
{
    p.setPen(pen);
    p.setBrush(fill);
    p.drawPolygon(QPolygon(QList<QPoint>(points)));
}

void cross(QPainter &p, int x, int y, int size, const QColor &color)
{
    p.setPen(QPen(color, 2));
    p.drawLine(x, y, x + size, y + size);
    p.drawLine(x + size, y, x, y + size);
}

void floppy(QPainter &p)
{
    box(p, QRect(1, 1, 13, 13), Ink, Navy);
    box(p, QRect(4, 1, 7, 5), Ink, Paper);
    box(p, QRect(3, 9, 9, 5), Ink, Gray);
}

void page(QPainter &p, const QRect &r)
{
    box(p, r, Ink, Paper);
    p.setPen(Gray);
    for (int y = r.top() + 3; y < r.bottom() - 1; y += 2)
        p.drawLine(r.left() + 2, y, r.right() - 2, y);
}

void envelope(QPainter &p, int y)
{
    box(p, QRect(1, y, 13, 8), Ink, Yellow);
    p.setPen(Ink);
    p.drawLine(1, y, 8, y + 5);
    p.drawLine(8, y + 5, 14, y);
}

void person(QPainter &p, int x, int y, const QColor &coat)
{
    p.setPen(Ink);
    p.setBrush(Skin);
    p.drawEllipse(x + 2, y, 4, 4);
    p.setBrush(coat);
    p.drawRect(x, y + 5, 8, 6);
}

void triangle(QPainter &p, int x, bool right, const QColor &fill)
{
    if (right)
        polygon(p, {QPoint(x, 3), QPoint(x + 6, 8), QPoint(x, 13)}, Ink, fill);
    else
        polygon(p, {QPoint(x + 6, 3), QPoint(x, 8), QPoint(x + 6, 13)}, Ink, fill);
}

void bar(QPainter &p, int x)
{
    box(p, QRect(x, 3, 1, 10), Ink, Ink);
}

void cancel(QPainter &p)
{
    box(p, QRect(2, 1, 9, 14), Ink, Paper);
    polygon(p, {QPoint(2, 1), QPoint(7, 3), QPoint(7, 15), QPoint(2, 15)}, Ink, QColor(160, 80, 0));
    cross(p, 9, 8, 5, Red);
}

void calendar(QPainter &p)
{
    box(p, QRect(1, 2, 13, 12), Ink, Paper);
    box(p, QRect(1, 2, 13, 3), Ink, Red);
    p.setPen(Gray);
    for (int x = 4; x < 14; x += 3)
        p.drawLine(x, 6, x, 13);
    for (int y = 8; y < 14; y += 3)
        p.drawLine(2, y, 13, y);
}

void letter(QPainter &p)
{
    page(p, QRect(2, 1, 11, 14));
}

void email(QPainter &p)
{
    envelope(p, 4);
    p.setPen(Blue);
    p.drawText(QRect(9, 0, 7, 7), Qt::AlignCenter, QStringLiteral("@"));
}

void contactNames(QPainter &p)
{
    person(p, 1, 2, Blue);
    p.setPen(Ink);
    p.drawLine(11, 5, 15, 5);
    p.drawLine(11, 8, 15, 8);
    p.drawLine(11, 11, 15, 11);
}

void contacts(QPainter &p)
{
    person(p, 6, 1, Green);
    person(p, 1, 4, Blue);
}

void accounts(QPainter &p)
{
    box(p, QRect(2, 1, 11, 14), Ink, Navy);
    box(p, QRect(4, 3, 7, 3), Ink, Paper);
}

void stock(QPainter &p)
{
    box(p, QRect(1, 8, 6, 6), Ink, QColor(200, 144, 64));
    box(p, QRect(8, 8, 6, 6), Ink, QColor(200, 144, 64));
    box(p, QRect(4, 2, 6, 6), Ink, QColor(224, 176, 96));
}

void sales(QPainter &p)
{
    box(p, QRect(1, 9, 3, 5), Ink, Green);
    box(p, QRect(6, 6, 3, 8), Ink, Green);
    box(p, QRect(11, 2, 3, 12), Ink, Green);
    p.setPen(Ink);
    p.drawLine(0, 15, 15, 15);
}

void info(QPainter &p)
{
    p.setPen(Navy);
    p.setBrush(Blue);
    p.drawEllipse(1, 1, 13, 13);
    box(p, QRect(7, 6, 1, 6), Paper, Paper);
    box(p, QRect(7, 3, 1, 1), Paper, Paper);
}

void reference(QPainter &p)
{
    page(p, QRect(1, 1, 10, 14));
    polygon(p, {QPoint(11, 0), QPoint(15, 0), QPoint(15, 8), QPoint(13, 6), QPoint(11, 8)}, Ink, Red);
}

void runScript(QPainter &p)
{
    page(p, QRect(1, 1, 9, 13));
    polygon(p, {QPoint(9, 6), QPoint(15, 10), QPoint(9, 14)}, Ink, Green);
}

void first(QPainter &p)
{
    bar(p, 3);
    triangle(p, 5, false, Blue);
}

void prior(QPainter &p)
{
    triangle(p, 5, false, Blue);
}

void next(QPainter &p)
{
    triangle(p, 5, true, Blue);
}

void saveNext(QPainter &p)
{
    box(p, QRect(0, 3, 8, 9), Ink, Navy);
    box(p, QRect(2, 3, 4, 3), Ink, Paper);
    triangle(p, 9, true, Blue);
}

void last(QPainter &p)
{
    triangle(p, 5, true, Blue);
    bar(p, 12);
}

void print(QPainter &p)
{
    page(p, QRect(4, 0, 8, 6));
    box(p, QRect(1, 6, 14, 6), Ink, Gray);
    box(p, QRect(4, 10, 8, 5), Ink, Paper);
}

void search(QPainter &p)
{
    p.setPen(QPen(Ink, 1));
    p.setBrush(QColor(192, 224, 255));
    p.drawEllipse(1, 1, 9, 9);
    p.setPen(QPen(QColor(96, 48, 0), 3));
    p.drawLine(10, 10, 14, 14);
}

} // namespace

int main(int argc, char **argv)
{
    return GlyphStrip::writeAll(argc, argv, "make_designer_glyphs",
                                {
                                    {"cancel", cancel},
                                    {"save", floppy},
                                    {"calendar", calendar},
                                    {"letter", letter},
                                    {"email", email},
                                    {"contactnames", contactNames},
                                    {"contacts", contacts},
                                    {"accounts", accounts},
                                    {"stock", stock},
                                    {"sales", sales},
                                    {"info", info},
                                    {"reference", reference},
                                    {"runscript", runScript},
                                    {"first", first},
                                    {"prior", prior},
                                    {"next", next},
                                    {"savenext", saveNext},
                                    {"last", last},
                                    {"print", print},
                                    {"search", search},
                                });
}
