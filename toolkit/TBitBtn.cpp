#include "toolkit/TBitBtn.h"

#include "toolkit/Images.h"

#include <QStyleOptionButton>
#include <QStylePainter>

TBitBtn::TBitBtn(QObject *owner)
    : TButton(owner)
{
}

QImage TBitBtn::loadGlyph(const QString &name)
{
    return Images::load(name);
}

void TBitBtn::SetStyle(Tk::TButtonStyle style)
{
    m_style = style;
    update();
}

void TBitBtn::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    opt.text.clear();
    opt.icon = QIcon();
    p.drawControl(QStyle::CE_PushButtonBevel, opt);
    QRect client = rect().adjusted(2, 2, -2, -2);
    ButtonGlyph::State state = ButtonGlyph::State::Up;
    if (!isEnabled())
        state = ButtonGlyph::State::Disabled;
    else if (isDown())
        state = ButtonGlyph::State::Down;
    if (isDown())
        client.translate(1, 1);
    paintGlyph(p, client, text(), font(), palette(), state);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
