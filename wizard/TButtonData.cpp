#include "wizard/TButtonData.h"

#include "toolkit/TBitBtn.h"

TButtonData::TButtonData(QObject *parent)
    : QObject(parent)
{
}

void TButtonData::SetText(const QString &text)
{
    m_text = text;
    emit changed(false);
}

void TButtonData::SetLayout(Tk::TButtonLayout layout)
{
    m_layout = layout;
    emit changed(false);
}

void TButtonData::SetGlyphName(const QString &name)
{
    if (name.isEmpty()) {
        SetGlyph(QImage());
        return;
    }
    SetGlyph(TBitBtn::loadGlyph(name));
    m_glyphName = name;
}

void TButtonData::SetGlyph(const QImage &image)
{
    m_glyph.setStrip(image);
    m_glyphName.clear();
    emit changed(true);
}

void TButtonData::SetNumGlyphs(int n)
{
    m_glyph.setNumGlyphs(n);
    emit changed(false);
}

void TButtonData::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    emit changed(false);
}

void TButtonData::SetShow(bool show)
{
    m_show = show;
    emit changed(false);
}

bool TButtonData::storesProperty(const char *name) const
{
    // An image set from code has no resource name to store.
    if (qstrcmp(name, "Glyph") == 0)
        return !m_glyphName.isEmpty();
    return true;
}
