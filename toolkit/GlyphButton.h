#pragma once

// What the buttons with a glyph share: the image strip and the file it came
// from, and how glyph and caption are placed (layout, margin, spacing). A
// mixin of the button classes, which declare the published properties.

#include "toolkit/ButtonGlyph.h"

class GlyphButton
{
public:
    virtual ~GlyphButton() = default;

    // The image file or resource (":/glyphs/next.png") of the glyph strip;
    // throws std::invalid_argument when it does not exist.
    QString GlyphName() const { return m_glyphName; }
    void SetGlyphName(const QString &name);
    QImage Glyph() const { return m_glyph.strip(); }
    void SetGlyph(const QImage &image);
    bool HasGlyph() const { return !m_glyph.isEmpty(); }
    int NumGlyphs() const { return m_glyph.numGlyphs(); }
    void SetNumGlyphs(int n);
    Tk::TButtonLayout Layout() const { return m_layout; }
    void SetLayout(Tk::TButtonLayout layout);
    int Margin() const { return m_margin; }
    void SetMargin(int margin);
    int Spacing() const { return m_spacing; }
    void SetSpacing(int spacing);

protected:
    // Called after every change, to repaint.
    virtual void glyphChanged() = 0;
    void paintGlyph(QPainter &p, const QRect &client, const QString &caption, const QFont &font,
                    const QPalette &palette, ButtonGlyph::State state) const;

private:
    ButtonGlyph m_glyph;
    QString m_glyphName;
    Tk::TButtonLayout m_layout = Tk::TButtonLayout::blGlyphLeft;
    int m_margin = -1;
    int m_spacing = 4;
};
