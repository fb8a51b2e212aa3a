#include "toolkit/TBitBtn.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include <stdexcept>

TBitBtn::TBitBtn(QObject *owner)
    : TButton(owner)
{
}

QImage TBitBtn::loadGlyph(const QString &name)
{
    QImage image(name);
    if (image.isNull())
        throw std::invalid_argument(QStringLiteral("no image %1").arg(name).toStdString());
    return image;
}

void TBitBtn::SetGlyphName(const QString &name)
{
    if (name.isEmpty()) {
        m_glyphName.clear();
        SetGlyph(QImage());
        return;
    }
    SetGlyph(loadGlyph(name));
    m_glyphName = name;
}

void TBitBtn::SetGlyph(const QImage &image)
{
    m_glyph.setStrip(image);
    m_glyphName.clear();
    update();
}

void TBitBtn::SetNumGlyphs(int n)
{
    if (n == m_glyph.numGlyphs())
        return;
    m_glyph.setNumGlyphs(n);
    update();
}

void TBitBtn::SetLayout(Tk::TButtonLayout layout)
{
    if (layout == m_layout)
        return;
    m_layout = layout;
    update();
}

void TBitBtn::SetMargin(int margin)
{
    m_margin = std::max(-1, margin);
    update();
}

void TBitBtn::SetSpacing(int spacing)
{
    m_spacing = std::max(-1, spacing);
    update();
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
    m_glyph.paint(p, client, text(), font(), palette(), state, m_layout, m_margin, m_spacing);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
