#pragma once

// What one of the wizard's buttons should look like and whether it is there:
// caption, glyph strip and its layout, enabled, shown. The wizard puts each
// descriptor on a physical button when it lays out its button strip.

#include "toolkit/ButtonGlyph.h"
#include "toolkit/Enums.h"
#include "toolkit/Persistent.h"

#include <QImage>
#include <QObject>

class TButtonData : public QObject, public Persistent
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(Tk::TButtonLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(QString Glyph READ GlyphName WRITE SetGlyphName)
    Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE SetNumGlyphs)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Show READ Show WRITE SetShow)

public:
    explicit TButtonData(QObject *parent = nullptr);

    QString Text() const { return m_text; }
    void SetText(const QString &text);
    Tk::TButtonLayout Layout() const { return m_layout; }
    void SetLayout(Tk::TButtonLayout layout);
    // The image resource (":/forms/glyphs/next.png") the glyph came from;
    // throws std::invalid_argument when it does not exist.
    QString GlyphName() const { return m_glyphName; }
    void SetGlyphName(const QString &name);
    QImage Glyph() const { return m_glyph.strip(); }
    // Copies `image`; a strip whose width is 1 to 4 times its height sets
    // NumGlyphs to that number, 5 times or more to 1, any other width leaves
    // NumGlyphs alone.
    void SetGlyph(const QImage &image);
    int NumGlyphs() const { return m_glyph.numGlyphs(); }
    // 1 .. 4; larger values become 4.
    void SetNumGlyphs(int n);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    bool Show() const { return m_show; }
    void SetShow(bool show);

    bool storesProperty(const char *name) const override;

signals:
    // Any value changed; `glyph` when the image itself did.
    void changed(bool glyph);

private:
    QString m_text;
    Tk::TButtonLayout m_layout = Tk::TButtonLayout::blGlyphLeft;
    ButtonGlyph m_glyph;
    QString m_glyphName;
    bool m_enabled = false;
    bool m_show = false;
};
