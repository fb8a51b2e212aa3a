#pragma once

// The font of a control as the forms store it: name, height, style, colour,
// and how wide its characters are drawn (Stretch, in percent of their own
// width; stored only when it is not 100). A sub-object of its control; every
// change is applied to the control.

#include "toolkit/Enums.h"
#include "toolkit/Persistent.h"

#include <QFont>
#include <QObject>

class TFont : public QObject, public Persistent
{
    Q_OBJECT
    Q_PROPERTY(int Charset READ Charset WRITE SetCharset)
    Q_PROPERTY(Tk::TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(Tk::TFontStyles Style READ Style WRITE SetStyle)
    Q_PROPERTY(int Size READ Size WRITE SetSize STORED false)
    Q_PROPERTY(int Stretch READ Stretch WRITE SetStretch)

public:
    explicit TFont(QObject *parent = nullptr);

    int Charset() const { return m_charset; }
    void SetCharset(int charset);
    Tk::TColor Color() const { return m_color; }
    void SetColor(Tk::TColor color);
    int Height() const { return m_height; }
    void SetHeight(int height);
    QString Name() const { return m_name; }
    void SetName(const QString &name);
    Tk::TFontStyles Style() const { return m_style; }
    void SetStyle(Tk::TFontStyles style);
    // Points at the platform's 96 pixels per inch.
    int Size() const;
    void SetSize(int points);
    // 1 to 400; a mark drawn in a small place can take its name narrower.
    int Stretch() const { return m_stretch; }
    void SetStretch(int percent);
    bool storesProperty(const char *name) const override;

    void Assign(const TFont &other);
    // Copies the values without raising changed().
    void copyQuietly(const TFont &other);
    QFont toQFont() const;
    // Takes name, height and style from a Qt font (as a font dialog gives
    // it); charset and colour stay.
    void assignFrom(const QFont &font);
    bool operator==(const TFont &other) const;

signals:
    void changed();

private:
    int m_charset = 1;
    Tk::TColor m_color = Tk::TColor::clWindowText;
    int m_height = -11;
    QString m_name = QStringLiteral("MS Sans Serif");
    Tk::TFontStyles m_style;
    int m_stretch = 100;
};
