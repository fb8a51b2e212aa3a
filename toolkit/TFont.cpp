#include "toolkit/TFont.h"

#include "toolkit/FontMap.h"

#include <algorithm>

TFont::TFont(QObject *parent)
    : QObject(parent)
{
}

void TFont::SetCharset(int charset)
{
    if (charset == m_charset)
        return;
    m_charset = charset;
    emit changed();
}

void TFont::SetColor(Tk::TColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    emit changed();
}

void TFont::SetHeight(int height)
{
    if (height == m_height)
        return;
    m_height = height;
    emit changed();
}

void TFont::SetName(const QString &name)
{
    if (name == m_name)
        return;
    m_name = name;
    emit changed();
}

void TFont::SetStyle(Tk::TFontStyles style)
{
    if (style == m_style)
        return;
    m_style = style;
    emit changed();
}

void TFont::SetStretch(int percent)
{
    percent = std::clamp(percent, 1, 400);
    if (percent == m_stretch)
        return;
    m_stretch = percent;
    emit changed();
}

bool TFont::storesProperty(const char *name) const
{
    return qstrcmp(name, "Stretch") != 0 || m_stretch != 100;
}

int TFont::Size() const
{
    // Height = -Size * 96 / 72, rounded.
    return qRound(qAbs(m_height) * 72.0 / 96.0);
}

void TFont::SetSize(int points)
{
    SetHeight(-qRound(points * 96.0 / 72.0));
}

void TFont::Assign(const TFont &other)
{
    if (*this == other)
        return;
    copyQuietly(other);
    emit changed();
}

void TFont::copyQuietly(const TFont &other)
{
    m_charset = other.m_charset;
    m_color = other.m_color;
    m_height = other.m_height;
    m_name = other.m_name;
    m_style = other.m_style;
    m_stretch = other.m_stretch;
}

QFont TFont::toQFont() const
{
    QFont f = FontMap::font(m_name, m_height, m_style);
    if (m_stretch != 100)
        f.setStretch(m_stretch);
    return f;
}

void TFont::assignFrom(const QFont &font)
{
    TFont other;
    other.copyQuietly(*this);
    other.m_name = font.family();
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : qRound(font.pointSizeF() * 96.0 / 72.0);
    other.m_height = -std::max(1, pixels);
    Tk::TFontStyles style;
    style.setFlag(Tk::TFontStyle::fsBold, font.bold());
    style.setFlag(Tk::TFontStyle::fsItalic, font.italic());
    style.setFlag(Tk::TFontStyle::fsUnderline, font.underline());
    style.setFlag(Tk::TFontStyle::fsStrikeOut, font.strikeOut());
    other.m_style = style;
    Assign(other);
}

bool TFont::operator==(const TFont &other) const
{
    return m_charset == other.m_charset && m_color == other.m_color && m_height == other.m_height
           && m_name == other.m_name && m_style == other.m_style && m_stretch == other.m_stretch;
}
