#include "toolkit/TBrush.h"

#include "toolkit/Colors.h"

TBrush::TBrush(QObject *parent)
    : QObject(parent)
{
}

void TBrush::SetColor(Tk::TColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    emit changed();
}

void TBrush::SetStyle(Tk::TBrushStyle style)
{
    if (style == m_style)
        return;
    m_style = style;
    emit changed();
}

void TBrush::Assign(const TBrush &other)
{
    if (other.m_color == m_color && other.m_style == m_style)
        return;
    m_color = other.m_color;
    m_style = other.m_style;
    emit changed();
}

QBrush TBrush::toQBrush() const
{
    Qt::BrushStyle style = Qt::SolidPattern;
    switch (m_style) {
    case Tk::TBrushStyle::bsSolid: style = Qt::SolidPattern; break;
    case Tk::TBrushStyle::bsClear: return QBrush(Qt::NoBrush);
    case Tk::TBrushStyle::bsHorizontal: style = Qt::HorPattern; break;
    case Tk::TBrushStyle::bsVertical: style = Qt::VerPattern; break;
    case Tk::TBrushStyle::bsFDiagonal: style = Qt::FDiagPattern; break;
    case Tk::TBrushStyle::bsBDiagonal: style = Qt::BDiagPattern; break;
    case Tk::TBrushStyle::bsCross: style = Qt::CrossPattern; break;
    case Tk::TBrushStyle::bsDiagCross: style = Qt::DiagCrossPattern; break;
    }
    return QBrush(Colors::toQColor(m_color), style);
}
