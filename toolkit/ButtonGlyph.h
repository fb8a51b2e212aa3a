#pragma once

// The image strip of a bitmap button and the placement of glyph and caption:
// up to four images side by side (normal, disabled, pressed, held down), the
// glyph beside, above or below the caption, the pair centred or at a margin.

#include "toolkit/Enums.h"

#include <QImage>
#include <QRect>
#include <QString>

class QPainter;
class QPalette;
class QFont;

class ButtonGlyph
{
public:
    enum class State { Up, Disabled, Down, Exclusive };

    QImage strip() const { return m_strip; }
    // Sets the strip; when its width is a whole multiple (below 5) of its
    // height the number of images follows from it.
    void setStrip(const QImage &image);
    int numGlyphs() const { return m_numGlyphs; }
    void setNumGlyphs(int n) { m_numGlyphs = std::clamp(n, 1, 4); }
    bool isEmpty() const { return m_strip.isNull(); }
    QSize glyphSize() const;
    // One image of the strip; a disabled image is made grey when the strip
    // has none.
    QImage image(State state) const;

    struct Layout {
        QRect glyph;
        QRect text;
    };
    // Places glyph and caption inside `client`. margin -1 centres them;
    // spacing -1 centres the caption in the space the glyph leaves.
    static Layout layout(const QRect &client, const QSize &glyph, const QSize &text, Tk::TButtonLayout placement,
                         int margin, int spacing);

    void paint(QPainter &p, const QRect &client, const QString &caption, const QFont &font, const QPalette &palette,
               State state, Tk::TButtonLayout placement, int margin, int spacing, bool showAccel = true) const;

private:
    QImage m_strip;
    int m_numGlyphs = 1;
};
