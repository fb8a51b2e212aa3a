#pragma once

// A transparent control laid over one or more controls of a window that lets
// the user move and resize them at run time: grab squares at their corners,
// mouse drags with grid snapping, arrow keys that nudge by one pixel. Presses
// outside the attached controls go on to whatever lies beneath.

#include "toolkit/ControlWidget.h"

#include <QEvent>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QWidget>

class QKeyEvent;
class QMouseEvent;

class TStretchHandle : public ControlWidget<QWidget>
{
    Q_OBJECT
    TK_CONTROL
    Q_PROPERTY(Tk::TColor SecondaryColor READ SecondaryColor WRITE SetSecondaryColor)
    Q_PROPERTY(bool Locked READ Locked WRITE SetLocked)
    Q_PROPERTY(int GridX READ GridX WRITE SetGridX)
    Q_PROPERTY(int GridY READ GridY WRITE SetGridY)
    Q_PROPERTY(bool SnapToGrid READ SnapToGrid WRITE SetSnapToGrid STORED false)
    Q_PROPERTY(Tk::TCursor DragCursor READ DragCursor WRITE SetDragCursor)

public:
    // The part of the handle a drag started on, and so what it changes.
    enum DragModes { dmMove, dmTopLeft, dmTopRight, dmBottomLeft, dmBottomRight, dmTop, dmLeft, dmBottom, dmRight };
    static constexpr int MinGrid = 1;
    static constexpr int MaxGrid = 32;

    explicit TStretchHandle(QObject *owner);
    ~TStretchHandle() override;

    // Adds a control to the selection; a control of another parent starts a
    // new selection. Throws EBadChild for a form (or any window); null and
    // controls already attached are ignored.
    Q_INVOKABLE void AttachControl(QWidget *control);
    // Empties the selection (the controls stay where they are) and hides the
    // handle.
    Q_INVOKABLE void ReleaseControls();
    int ControlCount() const;
    QWidget *ControlAt(int index) const;

    // Moves and resizes every attached control by the change of the handle's
    // bounds; nothing changes while Locked.
    void SetBounds(int left, int top, int width, int height) override;

    Tk::TColor SecondaryColor() const { return m_secondaryColor; }
    void SetSecondaryColor(Tk::TColor color);
    bool Locked() const { return m_locked; }
    void SetLocked(bool locked) { m_locked = locked; }
    // Values outside 1 .. 32 are clamped into that range.
    int GridX() const { return m_gridX; }
    void SetGridX(int grid);
    int GridY() const { return m_gridY; }
    void SetGridY(int grid);
    // True when either grid is above 1; true sets both grids to 8, false to 1.
    bool SnapToGrid() const { return m_gridX > 1 || m_gridY > 1; }
    void SetSnapToGrid(bool snap);
    Tk::TCursor DragCursor() const { return m_dragCursor; }
    void SetDragCursor(Tk::TCursor cursor) { m_dragCursor = cursor; }

    bool Dragging() const { return m_dragging; }
    int DragMode() const { return m_dragMode; }
    // The handle's bounds a drag that began at the stored start would give at
    // (x, y), in the handle's coordinates.
    QRect ProposedBounds(int x, int y) const;

    bool storesProperty(const char *name) const override;

    // The geometry, free of any window. Rectangles are in the parent's
    // coordinates unless said otherwise.
    // The handle's bounds after attaching `control`: around it alone when it
    // is the first, else the union with the current bounds.
    static QRect attachBounds(const QRect &handle, bool first, const QRect &control);
    // The bounds a drag from `start` to `point` (handle coordinates) gives.
    static QRect proposedBounds(const QRect &handle, const QPoint &start, const QPoint &point, int mode, int gridX, int gridY);
    // The zone (a DragModes value) under a point of the handle; always dmMove
    // unless exactly one control is attached.
    static int hitTest(const QPoint &point, const QSize &handle, int controlCount);
    static Tk::TCursor zoneCursor(int zone);
    // The grab squares in handle coordinates: four corners per control, and
    // the four edge middles too when there is only one.
    static QList<QRect> grabSquares(const QRect &handle, const QList<QRect> &controls);
    // The rectangle the drag outline shows for handle bounds: the controls'
    // prospective rectangle.
    static QRect outlineRect(const QRect &handle);
    // Keeps a handle point inside the parent's client area.
    static QPoint clampToParent(const QPoint &point, const QPoint &handleTopLeft, const QSize &parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void applyColor(const QColor &color) override;

private:
    void mouseDown(QMouseEvent *event);
    void mouseDoubleClick(QMouseEvent *event);
    void mouseMove(QMouseEvent *event);
    void mouseUp(QMouseEvent *event);
    void keyDown(int key);
    bool inSelection(const QPoint &parentPos) const;
    QPoint clamped(const QPoint &point) const;
    void drawOutline(int x, int y, bool draw);
    void removeOutline();
    void forwardMouse(QEvent::Type type, Qt::MouseButton button, const QPoint &parentPos);
    QList<QWidget *> attached() const;
    QList<QRect> controlRects() const;
    void releaseCapture();

    QPoint m_dragStart;
    int m_dragMode = dmMove;
    bool m_dragging = false;
    // The handle bounds the outline was last drawn for; null when none shows.
    QRect m_outlineRect;
    bool m_locked = false;
    Tk::TColor m_secondaryColor = Tk::TColor::clGray;
    int m_gridX = 1;
    int m_gridY = 1;
    Tk::TCursor m_dragCursor = Tk::TCursor::crDrag;
    // Not owned; a control freed while attached drops out by itself.
    QList<QPointer<QWidget>> m_controls;
    QPointer<QWidget> m_outline;
    bool m_leftPressed = false;
};
