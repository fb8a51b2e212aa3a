#include "toolkit/TGroupBox.h"

TGroupBox::TGroupBox(QObject *owner)
    : ControlWidget<QGroupBox>(owner)
{
    setFocusable(false);
    resize(185, 105);
}

QRect TGroupBox::clientRect() const
{
    const int top = fontMetrics().height();
    return rect().adjusted(2, top + 2, -2, -2);
}
