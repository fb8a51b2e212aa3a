// Draws the speed button glyphs of the account screens as two-image strips
// (normal, disabled) of 16 x 16 pixels and writes them as PNG files into the
// given folder. Run by hand when the glyphs change:
//     make_accounts_glyphs forms/glyphs/accounts

#include "tools/GlyphStrip.h"

namespace {

const QColor Ink(0, 0, 0);
const QColor Paper(255, 255, 255);
const QColor Blue(0, 0, 160);
const QColor Green(0, 128, 0);
const QColor Red(176, 0, 0);
const QColor Yellow(240, 208, 0);
const QColor Brown(128, 64, 0);

void page(QPainter &p)
{
    p.setPen(Ink);
    p.setBrush(Paper);
    p.drawPolygon(QPolygon({QPoint(3, 1), QPoint(10, 1), QPoint(13, 4), QPoint(13, 14), QPoint(3, 14)}));
    p.drawLine(10, 1, 10, 4);
    p.drawLine(10, 4, 13, 4);
}

void lines(QPainter &p, int left, int right, int top, int bottom)
{
    p.setPen(QColor(96, 96, 96));
    for (int y = top; y <= bottom; y += 2)
        p.drawLine(left, y, right, y);
}

void door(QPainter &p)
{
    p.setPen(Ink);
    p.setBrush(Paper);
    p.drawRect(3, 1, 10, 14);
    p.setPen(Brown);
    p.setBrush(QColor(176, 96, 32));
    p.drawPolygon(QPolygon({QPoint(3, 1), QPoint(9, 3), QPoint(9, 15), QPoint(3, 15)}));
    p.setPen(Yellow);
    p.drawPoint(7, 9);
}

void person(QPainter &p, int x, const QColor &coat)
{
    p.setPen(Ink);
    p.setBrush(QColor(240, 200, 160));
    p.drawEllipse(x + 2, 1, 5, 5);
    p.setBrush(coat);
    p.drawRect(x, 7, 9, 7);
}

void pencil(QPainter &p)
{
    page(p);
    p.setPen(Ink);
    p.setBrush(Yellow);
    p.drawPolygon(QPolygon({QPoint(6, 12), QPoint(14, 4), QPoint(15, 5), QPoint(7, 13)}));
    p.drawLine(5, 14, 6, 12);
}

void plusPage(QPainter &p)
{
    page(p);
    p.setPen(QPen(Green, 2));
    p.drawLine(8, 6, 8, 12);
    p.drawLine(5, 9, 11, 9);
}

void lens(QPainter &p)
{
    p.setPen(QPen(Brown, 2));
    p.drawLine(10, 10, 14, 14);
    p.setPen(Ink);
    p.setBrush(QColor(192, 224, 255));
    p.drawEllipse(2, 2, 9, 9);
}

void repeatSearch(QPainter &p)
{
    lens(p);
    p.setPen(Red);
    p.setBrush(Red);
    p.drawPolygon(QPolygon({QPoint(11, 1), QPoint(15, 3), QPoint(11, 5)}));
}

void refresh(QPainter &p)
{
    p.setPen(QPen(Green, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(3, 3, 10, 10, 30 * 16, 270 * 16);
    p.setPen(Green);
    p.setBrush(Green);
    p.drawPolygon(QPolygon({QPoint(10, 1), QPoint(15, 4), QPoint(10, 7)}));
}

void phone(QPainter &p)
{
    p.setPen(Ink);
    p.setBrush(Red);
    p.drawRoundedRect(1, 3, 14, 4, 2, 2);
    p.drawRect(4, 7, 8, 7);
    p.setBrush(Paper);
    p.drawEllipse(6, 8, 4, 4);
}

void arrowRight(QPainter &p, int x0)
{
    p.setPen(QColor(0, 64, 0));
    p.setBrush(QColor(0, 160, 0));
    p.drawPolygon(QPolygon({QPoint(x0, 6), QPoint(x0 + 5, 6), QPoint(x0 + 5, 2), QPoint(x0 + 11, 8),
                            QPoint(x0 + 5, 14), QPoint(x0 + 5, 10), QPoint(x0, 10)}));
}

void printer(QPainter &p)
{
    p.setPen(Ink);
    p.setBrush(Paper);
    p.drawRect(4, 1, 8, 6);
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(1, 6, 14, 6);
    p.setBrush(Paper);
    p.drawRect(4, 10, 8, 5);
    p.setPen(Green);
    p.drawPoint(13, 8);
}

void disk(QPainter &p)
{
    p.setPen(Ink);
    p.setBrush(Blue);
    p.drawRect(1, 1, 14, 14);
    p.setBrush(Paper);
    p.drawRect(4, 1, 8, 6);
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(4, 10, 8, 5);
}

void calendar(QPainter &p)
{
    p.setPen(Ink);
    p.setBrush(Paper);
    p.drawRect(1, 2, 14, 13);
    p.setBrush(Red);
    p.drawRect(1, 2, 14, 3);
    p.setPen(Ink);
    for (int y = 7; y <= 13; y += 3) {
        for (int x = 3; x <= 12; x += 3)
            p.drawPoint(x, y);
    }
}

void envelope(QPainter &p, const QColor &paper)
{
    p.setPen(Ink);
    p.setBrush(paper);
    p.drawRect(1, 3, 14, 10);
    p.drawLine(1, 3, 8, 9);
    p.drawLine(15, 3, 8, 9);
}

void email(QPainter &p)
{
    envelope(p, QColor(255, 255, 192));
    p.setPen(Blue);
    p.drawText(QRect(9, 8, 7, 8), Qt::AlignCenter, QStringLiteral("@"));
}

void book(QPainter &p)
{
    p.setPen(Ink);
    p.setBrush(QColor(0, 96, 160));
    p.drawRect(2, 1, 12, 14);
    p.setBrush(Paper);
    p.drawRect(5, 3, 7, 4);
    p.setPen(Paper);
    p.drawLine(3, 2, 3, 14);
}

void list(QPainter &p)
{
    p.setPen(Ink);
    p.setBrush(Paper);
    p.drawRect(1, 1, 14, 14);
    p.setBrush(QColor(0, 0, 128));
    p.drawRect(1, 1, 14, 3);
    lines(p, 3, 13, 6, 13);
}

void box(QPainter &p)
{
    p.setPen(Ink);
    p.setBrush(QColor(208, 160, 96));
    p.drawPolygon(QPolygon({QPoint(1, 5), QPoint(8, 2), QPoint(15, 5), QPoint(8, 8)}));
    p.setBrush(QColor(176, 128, 64));
    p.drawPolygon(QPolygon({QPoint(1, 5), QPoint(8, 8), QPoint(8, 15), QPoint(1, 12)}));
    p.setBrush(QColor(144, 96, 48));
    p.drawPolygon(QPolygon({QPoint(15, 5), QPoint(8, 8), QPoint(8, 15), QPoint(15, 12)}));
}

void coins(QPainter &p)
{
    p.setPen(Ink);
    p.setBrush(Yellow);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(2 + 2 * i, 9 - 3 * i, 9, 5);
}

void info(QPainter &p)
{
    p.setPen(Ink);
    p.setBrush(QColor(0, 96, 224));
    p.drawEllipse(1, 1, 14, 14);
    p.setPen(QPen(Paper, 2));
    p.drawPoint(8, 4);
    p.drawLine(8, 7, 8, 12);
}

void reference(QPainter &p)
{
    page(p);
    p.setPen(Red);
    p.drawText(QRect(3, 4, 11, 10), Qt::AlignCenter, QStringLiteral("#"));
}

void play(QPainter &p)
{
    page(p);
    p.setPen(Green);
    p.setBrush(Green);
    p.drawPolygon(QPolygon({QPoint(6, 6), QPoint(11, 9), QPoint(6, 12)}));
}

// A triangle pointing left or right with an optional bar before it: the
// first, previous, next and last account buttons.
void step(QPainter &p, bool right, bool bar)
{
    QPolygon shape({QPoint(5, 2), QPoint(11, 8), QPoint(5, 14)});
    QRect barRect(12, 2, 2, 13);
    if (!right) {
        for (QPoint &pt : shape)
            pt.setX(16 - pt.x());
        barRect.moveLeft(2);
    }
    p.setPen(Blue);
    p.setBrush(Blue);
    p.drawPolygon(shape);
    if (bar)
        p.drawRect(barRect);
}

void saveNext(QPainter &p)
{
    p.setPen(Ink);
    p.setBrush(Blue);
    p.drawRect(1, 1, 8, 8);
    p.setBrush(Paper);
    p.drawRect(3, 1, 4, 3);
    p.setPen(Green);
    p.setBrush(Green);
    p.drawPolygon(QPolygon({QPoint(9, 7), QPoint(15, 11), QPoint(9, 15)}));
}

} // namespace

int main(int argc, char **argv)
{
    return GlyphStrip::writeAll(
        argc, argv, "make_accounts_glyphs",
        {
            {"close", door},
            {"exit", door},
            {"owner", [](QPainter &p) { person(p, 3, Blue); }},
            {"names", [](QPainter &p) { person(p, 0, Blue); person(p, 6, Green); }},
            {"edit", pencil},
            {"new", plusPage},
            {"search", lens},
            {"repeat", repeatSearch},
            {"refresh", refresh},
            {"phone", phone},
            {"goto", [](QPainter &p) { list(p); arrowRight(p, 3); }},
            {"print", printer},
            {"save", disk},
            {"calendar", calendar},
            {"letter", [](QPainter &p) { page(p); lines(p, 5, 11, 6, 12); }},
            {"email", email},
            {"contacts", book},
            {"accounts", list},
            {"stock", box},
            {"sales", coins},
            {"info", info},
            {"reference", reference},
            {"runscript", play},
            {"first", [](QPainter &p) { step(p, false, true); }},
            {"prior", [](QPainter &p) { step(p, false, false); }},
            {"next", [](QPainter &p) { step(p, true, false); }},
            {"last", [](QPainter &p) { step(p, true, true); }},
            {"savenext", saveNext},
        });
}
