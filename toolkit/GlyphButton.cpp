#include "toolkit/GlyphButton.h"

#include "toolkit/Images.h"

void GlyphButton::SetGlyphName(const QString &name)
{
    SetGlyph(name.isEmpty() ? QImage() : Images::load(name));
    m_glyphName = name;
}

void GlyphButton::SetGlyph(const QImage &image)
{
    m_glyph.setStrip(image);
    m_glyphName.clear();
    glyphChanged();
}

void GlyphButton::SetNumGlyphs(int n)
{
    m_glyph.setNumGlyphs(n);
    glyphChanged();
}

void GlyphButton::SetLayout(Tk::TButtonLayout layout)
{
    m_layout = layout;
    glyphChanged();
}

void GlyphButton::SetMargin(int margin)
{
    m_margin = std::max(-1, margin);
    glyphChanged();
}

void GlyphButton::SetSpacing(int spacing)
{
    m_spacing = std::max(-1, spacing);
    glyphChanged();
}

void GlyphButton::paintGlyph(QPainter &p, const QRect &client, const QString &caption, const QFont &font,
                             const QPalette &palette, ButtonGlyph::State state) const
{
    m_glyph.paint(p, client, caption, font, palette, state, m_layout, m_margin, m_spacing);
}
