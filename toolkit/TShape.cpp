#include "toolkit/TShape.h"

#include <QPainter>

TShape::TShape(QObject *owner)
    : ControlWidget<QWidget>(owner)
    , m_pen(new TPen(this))
    , m_brush(new TBrush(this))
{
    setFocusable(false);
    resize(65, 65);
    connect(m_pen, &TPen::changed, this, qOverload<>(&QWidget::update));
    connect(m_brush, &TBrush::changed, this, qOverload<>(&QWidget::update));
}

void TShape::SetShape(Tk::TShapeType shape)
{
    m_shape = shape;
    update();
}

QRect TShape::figureBox(const QSize &size, Tk::TShapeType shape)
{
    const bool square = shape == Tk::TShapeType::stSquare || shape == Tk::TShapeType::stRoundSquare
                        || shape == Tk::TShapeType::stCircle;
    if (!square)
        return QRect(QPoint(0, 0), size);
    const int side = std::min(size.width(), size.height());
    return QRect((size.width() - side) / 2, (size.height() - side) / 2, side, side);
}

QRectF TShape::outlinePath(const QRect &box, int penWidth)
{
    const qreal half = std::max(0, penWidth) / 2.0;
    return QRectF(box).adjusted(half, half, -half, -half);
}

qreal TShape::cornerRadius(const QRect &box)
{
    return std::min(box.width(), box.height()) / 8.0;
}

void TShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(m_pen->toQPen());
    p.setBrush(m_brush->toQBrush());
    const QRect box = figureBox(size(), m_shape);
    const QRectF path = outlinePath(box, m_pen->Style() == Tk::TPenStyle::psClear ? 0 : std::max(1, m_pen->Width()));
    switch (m_shape) {
    case Tk::TShapeType::stRectangle:
    case Tk::TShapeType::stSquare:
        p.drawRect(path);
        break;
    case Tk::TShapeType::stRoundRect:
    case Tk::TShapeType::stRoundSquare:
        p.drawRoundedRect(path, cornerRadius(box), cornerRadius(box));
        break;
    case Tk::TShapeType::stEllipse:
    case Tk::TShapeType::stCircle:
        p.drawEllipse(path);
        break;
    }
}
