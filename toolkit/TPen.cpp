#include "toolkit/TPen.h"

#include "toolkit/Colors.h"

TPen::TPen(QObject *parent)
    : QObject(parent)
{
}

void TPen::SetColor(Tk::TColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    emit changed();
}

void TPen::SetWidth(int width)
{
    width = std::max(0, width);
    if (width == m_width)
        return;
    m_width = width;
    emit changed();
}

void TPen::SetStyle(Tk::TPenStyle style)
{
    if (style == m_style)
        return;
    m_style = style;
    emit changed();
}

void TPen::Assign(const TPen &other)
{
    if (other.m_color == m_color && other.m_width == m_width && other.m_style == m_style)
        return;
    m_color = other.m_color;
    m_width = other.m_width;
    m_style = other.m_style;
    emit changed();
}

QPen TPen::toQPen() const
{
    Qt::PenStyle style = Qt::SolidLine;
    switch (m_style) {
    case Tk::TPenStyle::psSolid: style = Qt::SolidLine; break;
    case Tk::TPenStyle::psDash: style = Qt::DashLine; break;
    case Tk::TPenStyle::psDot: style = Qt::DotLine; break;
    case Tk::TPenStyle::psDashDot: style = Qt::DashDotLine; break;
    case Tk::TPenStyle::psDashDotDot: style = Qt::DashDotDotLine; break;
    case Tk::TPenStyle::psClear: return QPen(Qt::NoPen);
    }
    QPen pen(Colors::toQColor(m_color), std::max(1, m_width), style, Qt::SquareCap, Qt::MiterJoin);
    return pen;
}
