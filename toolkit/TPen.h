#pragma once

// The pen a shape is outlined with: colour, width in pixels and line style.
// A sub-object of its control; every change is announced by changed().

#include "toolkit/Enums.h"

#include <QObject>
#include <QPen>

class TPen : public QObject
{
    Q_OBJECT
    Q_PROPERTY(Tk::TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(Tk::TPenStyle Style READ Style WRITE SetStyle)

public:
    explicit TPen(QObject *parent = nullptr);

    Tk::TColor Color() const { return m_color; }
    void SetColor(Tk::TColor color);
    int Width() const { return m_width; }
    void SetWidth(int width);
    Tk::TPenStyle Style() const { return m_style; }
    void SetStyle(Tk::TPenStyle style);

    void Assign(const TPen &other);
    // No pen at all for psClear; a width of 0 draws one pixel wide.
    QPen toQPen() const;

signals:
    void changed();

private:
    Tk::TColor m_color = Tk::TColor::clBlack;
    int m_width = 1;
    Tk::TPenStyle m_style = Tk::TPenStyle::psSolid;
};
