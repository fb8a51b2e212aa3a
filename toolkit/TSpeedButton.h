#pragma once

// A tool bar button that never takes the focus: a glyph from an image strip
// (normal, disabled, pressed, held down) and an optional caption, flat until
// the mouse is over it or raised. Buttons of one parent with the same
// GroupIndex above 0 act as a group: clicking one holds it down and lets the
// others up; with AllowAllUp a held button comes up again when clicked.

#include "toolkit/ControlWidget.h"
#include "toolkit/GlyphButton.h"

#include <QWidget>

class TSpeedButton : public ControlWidget<QWidget>, public GlyphButton
{
    Q_OBJECT
    TK_CONTROL
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QString Glyph READ GlyphName WRITE SetGlyphName)
    Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE SetNumGlyphs)
    Q_PROPERTY(Tk::TButtonLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(int Margin READ Margin WRITE SetMargin)
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
    Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
    Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE SetAllowAllUp)
    Q_PROPERTY(bool Down READ Down WRITE SetDown)

public:
    explicit TSpeedButton(QObject *owner);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);
    bool Flat() const { return m_flat; }
    void SetFlat(bool flat);
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int index);
    // Applies to every button of the group.
    bool AllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool allow);
    // Only a button of a group can be held down; holding one down lets the
    // others of its group up.
    bool Down() const { return m_down; }
    void SetDown(bool down);

    // What a click does: the group's state changes, then OnClick.
    void Click();
    // The other buttons of this one's group, in the same parent.
    QList<TSpeedButton *> groupMembers() const;

    void loaded() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool nativeClick() const override { return true; }
    void glyphChanged() override { update(); }

private:
    void releaseOthers();

    QString m_caption;
    bool m_flat = false;
    int m_groupIndex = 0;
    bool m_allowAllUp = false;
    bool m_down = false;
    bool m_pressed = false;   // left button held over the button
    bool m_mouseInside = false;
};
