#pragma once

// The look of the forms: Qt's classic Windows style, with the small arrows
// of scroll bars, spin and combo buttons drawn directly. The base style keeps
// every arrow it draws in the shared pixmap cache under the palette of the
// control, and as every control has a palette of its own, screens that come
// and go would leave their arrows behind.

#include <QProxyStyle>

class ClassicStyle : public QProxyStyle
{
    Q_OBJECT

public:
    ClassicStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};
