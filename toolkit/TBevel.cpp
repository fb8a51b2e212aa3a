#include "toolkit/TBevel.h"

#include "toolkit/Bevels.h"

#include <QPainter>

TBevel::TBevel(QObject *owner)
    : ControlWidget<QWidget>(owner)
{
    setFocusable(false);
    resize(50, 50);
}

void TBevel::SetShape(Tk::TBevelShape shape)
{
    m_shape = shape;
    update();
}

void TBevel::SetStyle(Tk::TBevelStyle style)
{
    m_style = style;
    update();
}

void TBevel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    const bool lowered = m_style == Tk::TBevelStyle::bsLowered;
    // A lowered edge has its shadow on the top and left.
    const QColor first = lowered ? shadow : light;
    const QColor second = lowered ? light : shadow;
    const int w = width();
    const int h = height();
    auto line = [&](int x1, int y1, int x2, int y2, int dx, int dy) {
        p.setPen(first);
        p.drawLine(x1, y1, x2, y2);
        p.setPen(second);
        p.drawLine(x1 + dx, y1 + dy, x2 + dx, y2 + dy);
    };
    switch (m_shape) {
    case Tk::TBevelShape::bsBox:
        Bevels::frame3D(p, rect(), first, second, 1);
        break;
    case Tk::TBevelShape::bsFrame:
        // An etched frame: two boxes of opposite sense, one pixel apart.
        Bevels::frame3D(p, rect().adjusted(1, 1, 0, 0), second, second, 1);
        Bevels::frame3D(p, rect().adjusted(0, 0, -1, -1), first, first, 1);
        break;
    case Tk::TBevelShape::bsTopLine: line(0, 0, w - 1, 0, 0, 1); break;
    case Tk::TBevelShape::bsBottomLine: line(0, h - 2, w - 1, h - 2, 0, 1); break;
    case Tk::TBevelShape::bsLeftLine: line(0, 0, 0, h - 1, 1, 0); break;
    case Tk::TBevelShape::bsRightLine: line(w - 2, 0, w - 2, h - 1, 1, 0); break;
    case Tk::TBevelShape::bsSpacer: break;
    }
}
