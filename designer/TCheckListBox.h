#pragma once

// A list box whose every line carries a check box in front of its text: each
// line is unchecked, checked or (optionally) grayed, read and set by index,
// and toggled by a left press on the box. The keyboard never toggles.

#include "toolkit/TListBox.h"

#include <QImage>

class QPainter;

class TCheckListBox : public TListBox
{
    Q_OBJECT
    Q_PROPERTY(bool AllowGrayed READ AllowGrayed WRITE SetAllowGrayed)
    Q_PROPERTY(int Offset READ Offset WRITE SetOffset)
    // index, line rectangle, owner-draw state (OwnerDrawFlag bits)

Q_SIGNALS:
    void OnDrawItem(QObject *Sender, int Index, const QRect &Rect, int State);

public:
    // The owner-draw state bits passed to OnDrawItem.
    enum OwnerDrawFlag { odSelected = 0x1, odGrayed = 0x2, odDisabled = 0x4, odChecked = 0x8, odFocused = 0x10 };

    explicit TCheckListBox(QObject *owner);

    // Reads outside 0 .. Count() - 1 answer false and cbUnchecked; writes
    // there are ignored. Checked is true exactly when State is cbChecked.
    Q_INVOKABLE bool Checked(int index) const;
    Q_INVOKABLE void SetChecked(int index, bool checked);
    Q_INVOKABLE Tk::TCheckBoxState State(int index) const;
    Q_INVOKABLE void SetState(int index, Tk::TCheckBoxState state);

    bool AllowGrayed() const { return m_allowGrayed; }
    void SetAllowGrayed(bool allow) { m_allowGrayed = allow; }
    int Offset() const { return m_offset; }
    void SetOffset(int offset);

    // The painter of the line being drawn, for an OnDrawItem handler; null
    // outside drawing.
    QPainter *Canvas() const { return m_canvas; }
    QImage glyph(Tk::TCheckBoxState state) const;

    // Where a line's parts go: the glyph's top-left corner, the text's
    // top-left corner and the rectangle the text is clipped to.
    struct LinePlacement {
        QPoint glyph;
        QPoint text;
        QRect textClip;
    };
    static LinePlacement placeLine(const QRect &line, int offset, const QSize &glyphSize, int textHeight);
    // Whether a press at x (viewport coordinates) falls on the glyph's columns.
    static bool onGlyph(int x, const QRect &line, int offset, int glyphWidth);
    // The state a press on the glyph leads to.
    static Tk::TCheckBoxState toggled(Tk::TCheckBoxState state, bool allowGrayed);
    // The line height for a font: the larger of the glyph's height and the
    // height of a text line.
    static int lineHeight(int glyphHeight, int textHeight);

protected:
    void drawItem(QPainter &painter, int index, const QRect &rect, bool selected, bool focused) override;
    void itemsChanged() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void toggle(int index);
    // Shows a line's new state to assistive technology.
    void stateChanged(int index);
    void followFont();

    QImage m_checkedGlyph;
    QImage m_grayedGlyph;
    QImage m_uncheckedGlyph;
    bool m_allowGrayed = false;
    int m_offset = 4;
    QPainter *m_canvas = nullptr;
};
