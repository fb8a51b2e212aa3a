#pragma once

// A panel: a filled rectangle with raised or lowered bevels and a centred
// caption, that holds other controls.

#include "toolkit/ControlWidget.h"

#include <QWidget>

class TPanel : public ControlWidget<QWidget>
{
    Q_OBJECT
    TK_CONTROL
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(Tk::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(Tk::TBevelCut BevelInner READ BevelInner WRITE SetBevelInner)
    Q_PROPERTY(Tk::TBevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(Tk::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)

public:
    explicit TPanel(QObject *owner);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);
    Tk::TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(Tk::TAlignment alignment);
    Tk::TBevelCut BevelInner() const { return m_bevelInner; }
    void SetBevelInner(Tk::TBevelCut cut);
    Tk::TBevelCut BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(Tk::TBevelCut cut);
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int width);
    Tk::TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(Tk::TBorderStyle style);

    QRect clientRect() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void applyColor(const QColor &color) override;

private:
    void changed();

    QString m_caption;
    Tk::TAlignment m_alignment = Tk::TAlignment::taCenter;
    Tk::TBevelCut m_bevelInner = Tk::TBevelCut::bvNone;
    Tk::TBevelCut m_bevelOuter = Tk::TBevelCut::bvRaised;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    Tk::TBorderStyle m_borderStyle = Tk::TBorderStyle::bsNone;
};
