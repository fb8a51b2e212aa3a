#pragma once

// A bevelled frame or line that sets off part of a form: a box, an etched
// frame, or a line along one edge, lowered or raised. It holds nothing.

#include "toolkit/ControlWidget.h"

#include <QWidget>

class TBevel : public ControlWidget<QWidget>
{
    Q_OBJECT
    TK_CONTROL
    Q_PROPERTY(Tk::TBevelShape Shape READ Shape WRITE SetShape)
    Q_PROPERTY(Tk::TBevelStyle Style READ Style WRITE SetStyle)

public:
    explicit TBevel(QObject *owner);

    Tk::TBevelShape Shape() const { return m_shape; }
    void SetShape(Tk::TBevelShape shape);
    Tk::TBevelStyle Style() const { return m_style; }
    void SetStyle(Tk::TBevelStyle style);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Tk::TBevelShape m_shape = Tk::TBevelShape::bsBox;
    Tk::TBevelStyle m_style = Tk::TBevelStyle::bsLowered;
};
