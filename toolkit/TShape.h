#pragma once

// A geometric figure (rectangle, square, rounded, ellipse, circle) outlined
// with a pen and filled with a brush. Square kinds take the largest square
// centred in the control; the outline lies inside the control's bounds.

#include "toolkit/ControlWidget.h"
#include "toolkit/TBrush.h"
#include "toolkit/TPen.h"

#include <QRectF>
#include <QWidget>

class TShape : public ControlWidget<QWidget>
{
    Q_OBJECT
    TK_CONTROL
    Q_PROPERTY(Tk::TShapeType Shape READ Shape WRITE SetShape)
    Q_PROPERTY(TPen *Pen READ Pen)
    Q_PROPERTY(TBrush *Brush READ Brush)

public:
    explicit TShape(QObject *owner);

    Tk::TShapeType Shape() const { return m_shape; }
    void SetShape(Tk::TShapeType shape);
    TPen *Pen() const { return m_pen; }
    TBrush *Brush() const { return m_brush; }

    // The box the figure fills inside a control of `size`.
    static QRect figureBox(const QSize &size, Tk::TShapeType shape);
    // The path the pen follows: the box shrunk by half the pen's width, so
    // that the whole outline stays inside the box (0: no outline).
    static QRectF outlinePath(const QRect &box, int penWidth);
    // Corner radius of the rounded kinds for a box.
    static qreal cornerRadius(const QRect &box);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Tk::TShapeType m_shape = Tk::TShapeType::stRectangle;
    TPen *m_pen;
    TBrush *m_brush;
};
