#pragma once

// The look of the forms: Qt's classic Windows style, with the small arrows
// of scroll bars, spin and combo buttons drawn directly. The base style keeps
// every arrow it draws in the shared pixmap cache under the palette of the
// control, and as every control has a palette of its own, screens that come
// and go would leave their arrows behind. The edges of buttons, frames and
// grid headings, the pixels the base style draws, are filled instead of
// stroked line by line: a page change paints hundreds of them.

#include <QProxyStyle>

class QStyleOptionFrame;

class ClassicStyle : public QProxyStyle
{
    Q_OBJECT

public:
    ClassicStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;

private:
    static void drawFrameEdges(const QStyleOptionFrame &frame, QPainter *painter);
};
