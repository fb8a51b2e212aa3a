#pragma once

// A static text. With AutoSize (the default) it takes the size of its text,
// keeping its right edge when right-justified.

#include "toolkit/ControlWidget.h"

#include <QLabel>

class TLabel : public ControlWidget<QLabel>
{
    Q_OBJECT
    TK_CONTROL
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(Tk::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(Tk::TTextLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool ShowAccelChar READ ShowAccelChar WRITE SetShowAccelChar)

public:
    explicit TLabel(QObject *owner);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    Tk::TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(Tk::TAlignment alignment);
    Tk::TTextLayout Layout() const { return m_layout; }
    void SetLayout(Tk::TTextLayout layout);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool wrap);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent) { m_transparent = transparent; }
    bool ShowAccelChar() const { return m_showAccelChar; }
    void SetShowAccelChar(bool show);

    // The caption as drawn ("&&" as "&", a single "&" dropped).
    static QString displayText(const QString &caption, bool accelChar);
    void loaded() override;

protected:
    void applyFont() override;
    void changeEvent(QEvent *event) override;

private:
    void adjustBounds();
    void applyAlignment();

    QString m_caption;
    bool m_autoSize = true;
    Tk::TAlignment m_alignment = Tk::TAlignment::taLeftJustify;
    Tk::TTextLayout m_layout = Tk::TTextLayout::tlTop;
    bool m_wordWrap = false;
    bool m_transparent = false;
    bool m_showAccelChar = true;
};
