#include "toolkit/TPanel.h"

#include "toolkit/Bevels.h"
#include "toolkit/Colors.h"
#include "toolkit/TLabel.h"

#include <QPainter>

TPanel::TPanel(QObject *owner)
    : ControlWidget<QWidget>(owner)
{
    setFocusable(false);
    resize(185, 41);
}

void TPanel::SetCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
}

void TPanel::SetAlignment(Tk::TAlignment alignment)
{
    m_alignment = alignment;
    update();
}

void TPanel::SetBevelInner(Tk::TBevelCut cut)
{
    m_bevelInner = cut;
    changed();
}

void TPanel::SetBevelOuter(Tk::TBevelCut cut)
{
    m_bevelOuter = cut;
    changed();
}

void TPanel::SetBevelWidth(int width)
{
    m_bevelWidth = std::max(1, width);
    changed();
}

void TPanel::SetBorderWidth(int width)
{
    m_borderWidth = std::max(0, width);
    changed();
}

void TPanel::SetBorderStyle(Tk::TBorderStyle style)
{
    m_borderStyle = style;
    changed();
}

void TPanel::changed()
{
    update();
    Realign();
}

QRect TPanel::clientRect() const
{
    int inset = m_borderWidth;
    if (m_borderStyle == Tk::TBorderStyle::bsSingle)
        inset += 2;
    if (m_bevelOuter != Tk::TBevelCut::bvNone)
        inset += m_bevelWidth;
    if (m_bevelInner != Tk::TBevelCut::bvNone)
        inset += m_bevelWidth;
    return rect().adjusted(inset, inset, -inset, -inset);
}

void TPanel::applyColor(const QColor &)
{
    // The panel fills itself in paintEvent.
}

void TPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QPalette &pal = palette();
    p.fillRect(rect(), Colors::toQColor(Color()));
    QRect r = rect();
    const QColor light = pal.color(QPalette::Light);
    const QColor shadow = pal.color(QPalette::Dark);
    if (m_borderStyle == Tk::TBorderStyle::bsSingle) {
        r = Bevels::frame3D(p, r, shadow, light, 1);
        r = Bevels::frame3D(p, r, pal.color(QPalette::Shadow), pal.color(QPalette::Midlight), 1);
    }
    auto bevel = [&](Tk::TBevelCut cut) {
        if (cut == Tk::TBevelCut::bvNone)
            return;
        if (cut == Tk::TBevelCut::bvRaised)
            r = Bevels::frame3D(p, r, light, shadow, m_bevelWidth);
        else if (cut == Tk::TBevelCut::bvLowered)
            r = Bevels::frame3D(p, r, shadow, light, m_bevelWidth);
        else
            r.adjust(m_bevelWidth, m_bevelWidth, -m_bevelWidth, -m_bevelWidth);
    };
    bevel(m_bevelOuter);
    r.adjust(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
    bevel(m_bevelInner);
    if (!m_caption.isEmpty()) {
        p.setPen(pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        Qt::Alignment a = Qt::AlignVCenter;
        if (m_alignment == Tk::TAlignment::taLeftJustify)
            a |= Qt::AlignLeft;
        else if (m_alignment == Tk::TAlignment::taRightJustify)
            a |= Qt::AlignRight;
        else
            a |= Qt::AlignHCenter;
        p.drawText(r, int(a) | Qt::TextSingleLine, TLabel::displayText(m_caption, true));
    }
}
