#pragma once

// A push button with a glyph beside its caption, drawn from an image strip of
// up to four images (normal, disabled, pressed, held down).

#include "toolkit/ButtonGlyph.h"
#include "toolkit/TButton.h"

class TBitBtn : public TButton
{
    Q_OBJECT
    Q_PROPERTY(QString Glyph READ GlyphName WRITE SetGlyphName)
    Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE SetNumGlyphs)
    Q_PROPERTY(Tk::TButtonLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(int Margin READ Margin WRITE SetMargin)
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
    Q_PROPERTY(Tk::TBitBtnKind Kind READ Kind WRITE SetKind)
    Q_PROPERTY(Tk::TButtonStyle Style READ Style WRITE SetStyle)

public:
    explicit TBitBtn(QObject *owner);

    // The image file or resource (":/glyphs/next.png") the glyph came from.
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
    Tk::TBitBtnKind Kind() const { return m_kind; }
    void SetKind(Tk::TBitBtnKind kind) { m_kind = kind; }
    Tk::TButtonStyle Style() const { return m_style; }
    void SetStyle(Tk::TButtonStyle style);

    // Loads an image for a glyph; throws std::invalid_argument when the file
    // or resource does not exist.
    static QImage loadGlyph(const QString &name);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ButtonGlyph m_glyph;
    QString m_glyphName;
    Tk::TButtonLayout m_layout = Tk::TButtonLayout::blGlyphLeft;
    int m_margin = -1;
    int m_spacing = 4;
    Tk::TBitBtnKind m_kind = Tk::TBitBtnKind::bkCustom;
    Tk::TButtonStyle m_style = Tk::TButtonStyle::bsAutoDetect;
};
