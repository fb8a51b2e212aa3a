#pragma once

// The brush a shape is filled with: colour and fill pattern. A sub-object of
// its control; every change is announced by changed().

#include "toolkit/Enums.h"

#include <QBrush>
#include <QObject>

class TBrush : public QObject
{
    Q_OBJECT
    Q_PROPERTY(Tk::TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(Tk::TBrushStyle Style READ Style WRITE SetStyle)

public:
    explicit TBrush(QObject *parent = nullptr);

    Tk::TColor Color() const { return m_color; }
    void SetColor(Tk::TColor color);
    Tk::TBrushStyle Style() const { return m_style; }
    void SetStyle(Tk::TBrushStyle style);

    void Assign(const TBrush &other);
    // No brush for bsClear.
    QBrush toQBrush() const;

signals:
    void changed();

private:
    Tk::TColor m_color = Tk::TColor::clWhite;
    Tk::TBrushStyle m_style = Tk::TBrushStyle::bsSolid;
};
