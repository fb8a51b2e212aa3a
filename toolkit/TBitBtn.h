#pragma once

// A push button with a glyph beside its caption, drawn from an image strip of
// up to four images (normal, disabled, pressed, held down).

#include "toolkit/GlyphButton.h"
#include "toolkit/TButton.h"

class TBitBtn : public TButton, public GlyphButton
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

    Tk::TBitBtnKind Kind() const { return m_kind; }
    void SetKind(Tk::TBitBtnKind kind) { m_kind = kind; }
    Tk::TButtonStyle Style() const { return m_style; }
    void SetStyle(Tk::TButtonStyle style);

    // Loads an image for a glyph; throws std::invalid_argument when the file
    // or resource does not exist.
    static QImage loadGlyph(const QString &name);

protected:
    void paintEvent(QPaintEvent *event) override;
    void glyphChanged() override { update(); }

private:
    Tk::TBitBtnKind m_kind = Tk::TBitBtnKind::bkCustom;
    Tk::TButtonStyle m_style = Tk::TButtonStyle::bsAutoDetect;
};
