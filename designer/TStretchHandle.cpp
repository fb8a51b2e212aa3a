#include "designer/TStretchHandle.h"

#include "designer/EBadChild.h"
#include "toolkit/Colors.h"
#include "toolkit/Keys.h"
#include "toolkit/TForm.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int Square = 5;        // side of a grab square
constexpr int MinSize = 5;       // smallest width and height a drag leaves
constexpr int DetachedSize = 24;

// The dotted rectangle of a drag, drawn over the handle's parent (and so over
// the attached controls) without touching them. It takes no mouse input and
// lives only while a drag shows an outline.
class DragOutline : public QWidget
{
public:
    explicit DragOutline(QWidget *parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

    void showRect(const QRect &rect)
    {
        m_rect = rect;
        setGeometry(parentWidget()->rect());
        raise();
        show();
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        // A focus rectangle: black dots on white, visible on any background.
        QPainter p(this);
        const QRect r = m_rect.adjusted(0, 0, -1, -1);
        p.setPen(QPen(Qt::white, 1, Qt::SolidLine));
        p.drawRect(r);
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(r);
    }

private:
    QRect m_rect;
};

QRect widgetBounds(const QWidget *w)
{
    const Control *c = Control::from(w);
    return c ? c->BoundsRect() : w->geometry();
}

void setWidgetBounds(QWidget *w, const QRect &r)
{
    if (Control *c = Control::from(w))
        c->SetBounds(r.left(), r.top(), r.width(), r.height());
    else
        w->setGeometry(r);
}

} // namespace

TStretchHandle::TStretchHandle(QObject *owner)
    : ControlWidget<QWidget>(owner)
{
    // Only the squares are painted; what lies beneath shows through.
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusable(true);
    resize(DetachedSize, DetachedSize);
    SetColor(Tk::TColor::clBlack);
    SetEnabled(false);
    SetVisible(false);
    // Installed after the shared event handling's filter, so this one sees
    // mouse and key input first and decides which events the handle raises.
    installEventFilter(this);
}

TStretchHandle::~TStretchHandle()
{
    releaseCapture();
    delete m_outline.data();
}

QList<QWidget *> TStretchHandle::attached() const
{
    // A control that was freed leaves the selection at once, before it is
    // deleted.
    QList<QWidget *> list;
    for (const auto &c : m_controls) {
        const Component *component = Component::from(c.data());
        if (c && !(component && component->isDestroying()))
            list << c.data();
    }
    return list;
}

int TStretchHandle::ControlCount() const
{
    return int(attached().size());
}

QWidget *TStretchHandle::ControlAt(int index) const
{
    const QList<QWidget *> list = attached();
    return index >= 0 && index < list.size() ? list.at(index) : nullptr;
}

QList<QRect> TStretchHandle::controlRects() const
{
    QList<QRect> rects;
    for (QWidget *c : attached())
        rects << widgetBounds(c);
    return rects;
}

void TStretchHandle::AttachControl(QWidget *control)
{
    if (qobject_cast<TForm *>(control) || (control && control->isWindow()))
        throw EBadChild("Handles can not be attached to a Form!");
    if (!control || control == this)
        return;
    m_controls.removeAll(QPointer<QWidget>());
    if (m_controls.contains(control))
        return;
    if (!m_controls.isEmpty() && control->parentWidget() != parentWidget())
        ReleaseControls();
    const QRect c = widgetBounds(control);
    if (m_controls.isEmpty()) {
        SetParent(control->parentWidget());
        removeOutline();
        SetEnabled(true);
        SetVisible(true);
    }
    const QRect r = attachBounds(BoundsRect(), m_controls.isEmpty(), c);
    Control::SetBounds(r.left(), r.top(), r.width(), r.height());
    m_controls.append(control);
    m_dragMode = dmMove;
    update();

    BringToFront();
    // A button still held from the press that led here goes on as a drag of
    // the handle: Qt's implicit grab belongs to the pressed control, so the
    // handle takes the mouse explicitly.
    if (isVisible() && QGuiApplication::mouseButtons() != Qt::NoButton)
        grabMouse();
    if (isVisible() && isEnabled())
        SetFocus();
}

void TStretchHandle::ReleaseControls()
{
    m_controls.clear();
    m_locked = false;
    m_dragging = false;
    releaseCapture();
    removeOutline();
    Control::SetBounds(Left(), Top(), DetachedSize, DetachedSize);
    SetEnabled(false);
    SetVisible(false);
    SetParent(nullptr);
}

void TStretchHandle::SetBounds(int left, int top, int width, int height)
{
    if (m_locked)
        return;
    const QRect old = BoundsRect();
    for (QWidget *c : attached()) {
        const QRect r = widgetBounds(c);
        setWidgetBounds(c, QRect(r.left() + (left - old.left()), r.top() + (top - old.top()),
                                 r.width() + (width - old.width()), r.height() + (height - old.height())));
    }
    Control::SetBounds(left, top, width, height);
}

void TStretchHandle::SetSecondaryColor(Tk::TColor color)
{
    m_secondaryColor = color;
    update();
}

void TStretchHandle::SetGridX(int grid)
{
    m_gridX = std::clamp(grid, MinGrid, MaxGrid);
}

void TStretchHandle::SetGridY(int grid)
{
    m_gridY = std::clamp(grid, MinGrid, MaxGrid);
}

void TStretchHandle::SetSnapToGrid(bool snap)
{
    m_gridX = m_gridY = snap ? 8 : 1;
}

bool TStretchHandle::storesProperty(const char *name) const
{
    // A grid of 8 is what a stored form assumes when it records none.
    const QByteArray n(name);
    if (n == "GridX")
        return m_gridX != 8;
    if (n == "GridY")
        return m_gridY != 8;
    return Control::storesProperty(name);
}

QRect TStretchHandle::ProposedBounds(int x, int y) const
{
    return proposedBounds(BoundsRect(), m_dragStart, QPoint(x, y), m_dragMode, m_gridX, m_gridY);
}

QRect TStretchHandle::attachBounds(const QRect &handle, bool first, const QRect &control)
{
    // The handle reaches 2 pixels beyond the control at the left and top and
    // 3 at the right and bottom, so that the squares sit around it.
    if (first)
        return QRect(control.left() - 2, control.top() - 2, control.width() + 5, control.height() + 5);
    const int left = std::min(handle.left(), control.left() - 2);
    const int top = std::min(handle.top(), control.top() - 2);
    const int right = std::max(handle.left() + handle.width() - 3, control.left() + control.width());
    const int bottom = std::max(handle.top() + handle.height() - 3, control.top() + control.height());
    return QRect(left, top, right - left + 3, bottom - top + 3);
}

QRect TStretchHandle::proposedBounds(const QRect &handle, const QPoint &start, const QPoint &point, int mode, int gridX, int gridY)
{
    const int L = handle.left();
    const int T = handle.top();
    const int W = handle.width();
    const int H = handle.height();
    const int dx = point.x() - start.x();
    const int dy = point.y() - start.y();
    const int gx = std::clamp(gridX, MinGrid, MaxGrid);
    const int gy = std::clamp(gridY, MinGrid, MaxGrid);
    // Division truncates toward zero.
    const auto snapX = [gx](int v) { return (v / gx) * gx; };
    const auto snapY = [gy](int v) { return (v / gy) * gy; };
    const bool movesLeft = mode == dmTopLeft || mode == dmBottomLeft || mode == dmLeft;
    const bool movesTop = mode == dmTopLeft || mode == dmTopRight || mode == dmTop;
    const bool movesRight = mode == dmTopRight || mode == dmBottomRight || mode == dmRight;
    const bool movesBottom = mode == dmBottomLeft || mode == dmBottomRight || mode == dmBottom;
    const bool move = mode < dmTopLeft || mode > dmRight;

    int left = L;
    int top = T;
    int width = W;
    int height = H;
    if (move || movesLeft)
        left = snapX(L + dx) - 2;
    if (move || movesTop)
        top = snapY(T + dy) - 2;
    if (movesLeft)
        width = W - (left - L);
    if (movesTop)
        height = H - (top - T);
    if (movesRight)
        width = snapX(W + dx) - 3;
    if (movesBottom)
        height = snapY(H + dy) - 3;
    return QRect(left, top, std::max(MinSize, width), std::max(MinSize, height));
}

int TStretchHandle::hitTest(const QPoint &point, const QSize &handle, int controlCount)
{
    if (controlCount != 1)
        return dmMove;
    const int X = point.x();
    const int Y = point.y();
    const int W = handle.width();
    const int H = handle.height();
    const bool left = std::abs(X) < 5;
    const bool right = std::abs(X - W) < 5;
    const bool top = std::abs(Y) < 5;
    const bool bottom = std::abs(Y - H) < 5;
    // The middles are compared as real numbers, so an odd size has none exact.
    const bool midX = std::abs(X - W * 0.5) < 3;
    const bool midY = std::abs(Y - H * 0.5) < 3;
    // Later matches win over earlier ones.
    const struct {
        bool hit;
        int zone;
    } tests[] = {
        {left && top, dmTopLeft},   {right && bottom, dmBottomRight}, {right && top, dmTopRight}, {left && bottom, dmBottomLeft},
        {midX && top, dmTop},       {midX && bottom, dmBottom},       {midY && left, dmLeft},     {midY && right, dmRight},
    };
    int zone = dmMove;
    for (const auto &t : tests) {
        if (t.hit)
            zone = t.zone;
    }
    return zone;
}

Tk::TCursor TStretchHandle::zoneCursor(int zone)
{
    switch (zone) {
    case dmTopLeft:
    case dmBottomRight:
        return Tk::TCursor::crSizeNWSE;
    case dmTopRight:
    case dmBottomLeft:
        return Tk::TCursor::crSizeNESW;
    case dmTop:
    case dmBottom:
        return Tk::TCursor::crSizeNS;
    case dmLeft:
    case dmRight:
        return Tk::TCursor::crSizeWE;
    default:
        return Tk::TCursor::crDefault;
    }
}

QList<QRect> TStretchHandle::grabSquares(const QRect &handle, const QList<QRect> &controls)
{
    QList<QRect> squares;
    for (const QRect &c : controls) {
        // The control grown by 2 on every side, in handle coordinates; right
        // and bottom are exclusive.
        const int l = c.left() - handle.left() - 2;
        const int t = c.top() - handle.top() - 2;
        const int r = c.left() - handle.left() + c.width() + 2;
        const int b = c.top() - handle.top() + c.height() + 2;
        squares << QRect(l, t, Square, Square) << QRect(r - Square, t, Square, Square)
                << QRect(r - Square, b - Square, Square, Square) << QRect(l, b - Square, Square, Square);
        if (controls.size() == 1) {
            const int mx = l + (r - l) / 2;
            const int my = t + (b - t) / 2;
            squares << QRect(mx - 2, t, Square, Square) << QRect(mx - 2, b - Square, Square, Square)
                    << QRect(l, my - 2, Square, Square) << QRect(r - Square, my - 2, Square, Square);
        }
    }
    return squares;
}

QRect TStretchHandle::outlineRect(const QRect &handle)
{
    return QRect(handle.left() + 2, handle.top() + 2, handle.width() - 5, handle.height() - 5);
}

QPoint TStretchHandle::clampToParent(const QPoint &point, const QPoint &handleTopLeft, const QSize &parent)
{
    const int x = std::clamp(point.x(), -handleTopLeft.x(), parent.width() - handleTopLeft.x());
    const int y = std::clamp(point.y(), -handleTopLeft.y(), parent.height() - handleTopLeft.y());
    return QPoint(x, y);
}

QPoint TStretchHandle::clamped(const QPoint &point) const
{
    const QWidget *parent = parentWidget();
    return parent ? clampToParent(point, BoundsRect().topLeft(), parent->size()) : point;
}

bool TStretchHandle::inSelection(const QPoint &parentPos) const
{
    for (const QRect &c : controlRects()) {
        if (c.adjusted(-2, -2, 2, 2).contains(parentPos))
            return true;
    }
    return false;
}

bool TStretchHandle::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != this)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        mouseDown(static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::MouseButtonDblClick:
        mouseDoubleClick(static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::MouseMove:
        mouseMove(static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::MouseButtonRelease:
        mouseUp(static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::KeyPress:
        // The nudge comes first; the shared handling then raises OnKeyDown.
        keyDown(Keys::virtualKey(static_cast<QKeyEvent *>(event)->key()));
        return false;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void TStretchHandle::mouseDown(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const QPoint parentPos = pos + BoundsRect().topLeft();
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
    if (inSelection(parentPos)) {
        if (event->button() == Qt::LeftButton && !m_locked) {
            m_dragStart = pos;
            m_dragging = true;
        }
        doMouseDown(Keys::mouseButton(event->button()), Keys::shiftState(event->modifiers(), event->buttons()), pos.x(), pos.y());
    } else {
        SetCursor(Tk::TCursor::crDefault);
        forwardMouse(QEvent::MouseButtonPress, event->button(), parentPos);
    }
}

void TStretchHandle::mouseDoubleClick(QMouseEvent *event)
{
    // The press of the second click has been handled already; a double click
    // inside the selection is the handle's, elsewhere it is passed on.
    const QPoint parentPos = event->position().toPoint() + BoundsRect().topLeft();
    if (inSelection(parentPos)) {
        if (event->button() == Qt::LeftButton)
            doDblClick();
    } else {
        forwardMouse(QEvent::MouseButtonDblClick, event->button(), parentPos);
    }
}

void TStretchHandle::mouseMove(QMouseEvent *event)
{
    QPoint pos = event->position().toPoint();
    const Tk::TShiftState shift = Keys::shiftState(event->modifiers(), event->buttons());
    const bool leftHeld = event->buttons() & Qt::LeftButton;
    if (leftHeld && !m_dragging && !m_locked) {
        // A press on a control just before it was attached becomes a drag here.
        m_dragStart = pos;
        m_dragging = true;
        doMouseMove(shift, pos.x(), pos.y());
        return;
    }
    if (!leftHeld)
        releaseCapture();
    const int zone = hitTest(pos, size(), ControlCount());
    SetCursor(m_locked ? Tk::TCursor::crNoDrop : zoneCursor(zone));
    if (m_dragging) {
        pos = clamped(pos);
        if (m_dragMode == dmMove)
            SetCursor(m_dragCursor);
        drawOutline(pos.x(), pos.y(), true);
    } else {
        m_dragMode = zone;
    }
    doMouseMove(shift, pos.x(), pos.y());
}

void TStretchHandle::mouseUp(QMouseEvent *event)
{
    QPoint pos = event->position().toPoint();
    const QPoint parentPos = pos + BoundsRect().topLeft();
    const bool left = event->button() == Qt::LeftButton;
    QPointer<TStretchHandle> guard(this);
    if (left && m_leftPressed) {
        m_leftPressed = false;
        if (rect().contains(pos)) {
            doClick();
            if (!guard)
                return;
        }
    }
    if (m_dragging && left) {
        pos = clamped(pos);
        if (pos != m_dragStart) {
            update();
            const QRect r = ProposedBounds(pos.x(), pos.y());
            SetBounds(r.left(), r.top(), r.width(), r.height());
        }
        drawOutline(0, 0, false);
        if (isVisible() && isEnabled())
            SetFocus();
        m_dragging = false;
        SetCursor(Tk::TCursor::crDefault);
        releaseCapture();
        doMouseUp(Keys::mouseButton(event->button()), Keys::shiftState(event->modifiers(), event->buttons()), pos.x(), pos.y());
        return;
    }
    if (left)
        releaseCapture();
    forwardMouse(QEvent::MouseButtonRelease, event->button(), parentPos);
}

void TStretchHandle::keyPressEvent(QKeyEvent *event)
{
    const int key = Keys::virtualKey(event->key());
    if (key == Keys::VK_LEFT || key == Keys::VK_UP || key == Keys::VK_RIGHT || key == Keys::VK_DOWN)
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void TStretchHandle::keyDown(int key)
{
    int dx = 0;
    int dy = 0;
    switch (key) {
    case Keys::VK_LEFT:
        dx = -1;
        break;
    case Keys::VK_UP:
        dy = -1;
        break;
    case Keys::VK_RIGHT:
        dx = 1;
        break;
    case Keys::VK_DOWN:
        dy = 1;
        break;
    default:
        return;
    }
    update();
    const QRect r = BoundsRect();
    SetBounds(r.left() + dx, r.top() + dy, r.width(), r.height());
}

void TStretchHandle::paintEvent(QPaintEvent *)
{
    const QList<QRect> controls = controlRects();
    if (controls.isEmpty())
        return;
    QPainter p(this);
    const QColor color = Colors::toQColor(controls.size() == 1 ? Color() : m_secondaryColor);
    for (const QRect &square : grabSquares(BoundsRect(), controls))
        p.fillRect(square, color);
}

void TStretchHandle::applyColor(const QColor &)
{
    // The handle never fills its background; a new colour only repaints the squares.
    update();
}

void TStretchHandle::drawOutline(int x, int y, bool draw)
{
    // The outline lives in a widget of its own over the parent, so taking the
    // old one away restores whatever it covered.
    m_outlineRect = QRect();
    QWidget *parent = parentWidget();
    if (draw && parent) {
        const QRect bounds = ProposedBounds(x, y);
        if (!m_outline || m_outline->parentWidget() != parent) {
            delete m_outline.data();
            m_outline = new DragOutline(parent);
        }
        static_cast<DragOutline *>(m_outline.data())->showRect(outlineRect(bounds));
        m_outlineRect = bounds;
        return;
    }
    removeOutline();
    if (!draw) {
        if (parent)
            parent->update();
        update();
    }
}

void TStretchHandle::removeOutline()
{
    delete m_outline.data();
    m_outlineRect = QRect();
}

void TStretchHandle::forwardMouse(QEvent::Type type, Qt::MouseButton button, const QPoint &parentPos)
{
    QWidget *parent = parentWidget();
    if (!parent)
        return;
    // The visible control of the parent that the user sees under the point
    // (the topmost, since controls may overlap); the deepest widget there
    // takes the event, as a list box's viewport does. With none, the parent
    // takes it.
    QWidget *target = parent;
    QPoint local = parentPos;
    const QObjectList children = parent->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        auto *w = qobject_cast<QWidget *>(*it);
        if (!w || w == this || w->isWindow() || w->isHidden() || !Control::from(w) || qobject_cast<TStretchHandle *>(w))
            continue;
        if (widgetBounds(w).contains(parentPos)) {
            target = w;
            local = parentPos - w->pos();
            if (QWidget *inner = w->childAt(local)) {
                local = inner->mapFrom(w, local);
                target = inner;
            }
            break;
        }
    }
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent forwarded(type, QPointF(local), QPointF(target->mapToGlobal(local)), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &forwarded);
}

void TStretchHandle::releaseCapture()
{
    if (QWidget::mouseGrabber() == this)
        releaseMouse();
}
