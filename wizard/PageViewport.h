#pragma once

// Keeps a wizard usable in a window smaller than the size its pages were laid
// out for: the wizard keeps that size and moves under the window as the
// visitor scrolls (by the scroll bars, the wheel, or moving the focus), while
// its button strip stays on the window's bottom edge, above the page. In a
// window as large as the pages or larger nothing of this shows.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>

class QScrollBar;
class QWidget;
class Control;

class PageViewport : public QObject
{
public:
    // Where the wizard stands and what of it shows, for one offered area.
    struct Layout {
        QRect wizard;      // in the parent's coordinates
        QRect visible;     // the part inside the offered area, in the wizard's coordinates
        QPoint scroll;     // the offset in use, within range
        QPoint range;      // the largest offsets; 0 where that bar is not needed
        int vbar = 0;      // width of the vertical bar, 0 when hidden
        int hbar = 0;      // height of the horizontal bar, 0 when hidden
    };
    // The layout for `offered` (the area the wizard's parent gives it), the
    // wizard's page size, the wanted offset and the extent of a scroll bar.
    static Layout layout(const QRect &offered, const QSize &page, QPoint scroll, int barExtent);

    // `floating` are the widgets of the button strip, kept above the page.
    PageViewport(QWidget *wizard, Control *control, QList<QWidget *> floating);

    // The size the pages were laid out for; an empty size never scrolls.
    void setPageSize(const QSize &size) { m_page = size; }
    // The bounds the wizard takes when its parent offers `offered`; with
    // `scrolls` false it takes them as offered. `strip` is the height of the
    // strip at the wizard's bottom edge that holds its buttons.
    QRect place(const QRect &offered, bool scrolls, int strip);
    // The part of the wizard inside the window, in the wizard's coordinates.
    QRect visibleRect() const;
    // Shows the page from its top-left corner: a new page opens so, whatever
    // the last page was scrolled to (the focus may then move it on).
    void scrollHome() { scrollTo(QPoint(0, 0)); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void scrollTo(QPoint offset);
    void ensureVisible(QWidget *w);
    void placeBars();

    QWidget *m_wizard;
    Control *m_control;
    QList<QWidget *> m_floating;
    QScrollBar *m_vbar;
    QScrollBar *m_hbar;
    QWidget *m_stripBackground;
    QSize m_page;
    int m_strip = 0;
    QRect m_offered;
    Layout m_layout;
    bool m_active = false;
};
