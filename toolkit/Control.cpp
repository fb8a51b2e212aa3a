#include "toolkit/Control.h"

#include "toolkit/AlignLayout.h"
#include "toolkit/Colors.h"
#include "toolkit/FocusChain.h"
#include "toolkit/Keys.h"
#include "toolkit/Screen.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>

#include <algorithm>
#include <climits>
#include <tuple>

namespace {

// Sent to a control's parent when an aligned child moved, resized, showed or
// hid; a parent that is no control ignores it.
const QEvent::Type RealignRequest = QEvent::Type(QEvent::registerEventType());

void requestRealign(QWidget *parent)
{
    if (parent) {
        QEvent request(RealignRequest);
        QCoreApplication::sendEvent(parent, &request);
    }
}

} // namespace

Control::Control(QWidget *self, QObject *owner)
    : Component(self, owner)
    , m_widget(self)
{
    self->setAttribute(Qt::WA_NoMousePropagation);
    applyPalette(false);
}

Control::~Control() = default;

Control *Control::from(const QObject *object)
{
    return object ? qobject_cast<Control *>(const_cast<QObject *>(object)) : nullptr;
}

// ---- Events -----------------------------------------------------------------

void Control::addInputWidget(QWidget *w, int kinds)
{
    if (!w || w == m_widget)
        return;
    m_inputWidgets.removeIf([](const InputWidget &i) { return i.widget.isNull(); });
    for (InputWidget &i : m_inputWidgets) {
        if (i.widget == w) {
            i.kinds = kinds;
            return;
        }
    }
    m_inputWidgets.append({w, kinds});
    if (kinds & MouseInput)
        w->setAttribute(Qt::WA_NoMousePropagation);
    w->installEventFilter(m_widget);
}

int Control::inputKinds(const QObject *o) const
{
    if (o == m_widget)
        return AllInput;
    for (const InputWidget &i : m_inputWidgets) {
        if (i.widget == o)
            return i.kinds;
    }
    return 0;
}

bool Control::isInputWidget(const QObject *o) const
{
    return inputKinds(o) != 0;
}

bool Control::contains(const QWidget *w) const
{
    return w && (w == m_widget || m_widget->isAncestorOf(w));
}

bool Control::handleEvent(QObject *watched, QEvent *e)
{
    const int kinds = inputKinds(watched);
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        return (kinds & MouseInput) && mouseEvent(static_cast<QWidget *>(watched), e);
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return (kinds & KeyInput) && keyEvent(e, watched == QApplication::focusWidget());
    case QEvent::FocusIn:
        if (kinds & FocusInput)
            focusArrived();
        return false;
    case QEvent::FocusOut:
        // The control's own widget hears it once the widget has handled it.
        if (watched != m_widget && (kinds & FocusInput))
            focusLeft(static_cast<QFocusEvent *>(e));
        return false;
    case QEvent::ContextMenu:
        return (kinds & MouseInput) && contextMenu(watched, e, false);
    case QEvent::ToolTip:
        if (!(kinds & MouseInput))
            return false;
        if (hintShown())
            QToolTip::showText(static_cast<QHelpEvent *>(e)->globalPos(), m_hint, m_widget);
        else
            QToolTip::hideText();
        return true;
    case QEvent::Move:
    case QEvent::Resize:
        if (watched == m_widget) {
            boundsChanged();
            if (e->type() == QEvent::Resize)
                Realign();
        }
        return false;
    default:
        if (e->type() == RealignRequest && watched == m_widget) {
            Realign();
            return true;
        }
        return false;
    }
}

void Control::afterEvent(QObject *watched, QEvent *e)
{
    if (watched != m_widget)
        return;
    if (e->type() == QEvent::FocusOut)
        focusLeft(static_cast<QFocusEvent *>(e));
    else if (e->type() == QEvent::ContextMenu)
        contextMenu(watched, e, true);
}

bool Control::mouseEvent(QWidget *from, QEvent *e)
{
    auto *me = static_cast<QMouseEvent *>(e);
    const QPoint p = from->mapTo(m_widget, me->position().toPoint());
    const Tk::TMouseButton button = Keys::mouseButton(me->button());
    const Tk::TShiftState shift = Keys::shiftState(me->modifiers(), me->buttons());
    // A handler may free the control; nothing of it is used afterwards.
    QPointer<QWidget> guard(m_widget);
    switch (e->type()) {
    case QEvent::MouseButtonPress:
        if (me->button() == Qt::LeftButton)
            m_pressed = true;
        doMouseDown(button, shift, p.x(), p.y());
        break;
    case QEvent::MouseButtonDblClick:
        doMouseDown(button, shift | Tk::TShiftStateFlag::ssDouble, p.x(), p.y());
        if (guard && me->button() == Qt::LeftButton && !nativeDblClick())
            doDblClick();
        break;
    case QEvent::MouseMove:
        doMouseMove(shift, p.x(), p.y());
        break;
    case QEvent::MouseButtonRelease: {
        const bool click = me->button() == Qt::LeftButton && m_pressed && m_widget->rect().contains(p);
        if (me->button() == Qt::LeftButton)
            m_pressed = false;
        doMouseUp(button, shift, p.x(), p.y());
        if (guard && click && !nativeClick())
            doClick();
        break;
    }
    default:
        break;
    }
    return !guard;
}

bool Control::keyEvent(QEvent *e, bool focused)
{
    if (keyAlreadySeen(e))
        return false;
    auto *ke = static_cast<QKeyEvent *>(e);
    const Tk::TShiftState shift = Keys::shiftState(ke->modifiers());
    QPointer<QWidget> guard(m_widget);
    // Alt with a letter or digit is a mnemonic, never input: the control with
    // the focus raises its key event and leaves the key to its containers
    // (the wizard's own buttons take theirs there), so that a drop-down list
    // does not search for the letter instead.
    if (focused && e->type() == QEvent::KeyPress && Keys::isMnemonic(ke->modifiers(), ke->key())) {
        int key = Keys::virtualKey(ke->key());
        fire([&] { emitOnKeyDown(key, shift); });
        e->ignore();
        return true;
    }
    if (e->type() == QEvent::KeyRelease) {
        int key = Keys::virtualKey(ke->key());
        if (key && fire([&] { emitOnKeyUp(key, shift); }) && key == 0)
            return true;
        return !guard;
    }
    int key = Keys::virtualKey(ke->key());
    if (key && fire([&] { emitOnKeyDown(key, shift); }) && (key == 0 || !guard))
        return true;
    if (!ke->text().isEmpty()) {
        QChar ch = ke->text().at(0);
        if (fire([&] { emitOnKeyPress(ch); }) && (ch.isNull() || !guard))
            return true;
    }
    return !guard;
}

bool Control::contextMenu(QObject *watched, QEvent *e, bool answered)
{
    if (m_resendingContextMenu)
        return false;
    auto *ce = static_cast<QContextMenuEvent *>(e);
    if (!answered) {
        if (TPopupMenu *menu = PopupMenu()) {
            menu->Popup(ce->globalPos().x(), ce->globalPos().y());
            return true;
        }
        if (watched == m_widget)
            return false;   // the widget answers first; afterEvent looks again
        // An inner widget answers first too (an edit box has its own menu).
        QPointer<QWidget> guard(m_widget);
        m_resendingContextMenu = true;
        e->accept();
        QCoreApplication::sendEvent(watched, e);
        if (!guard)
            return true;
        m_resendingContextMenu = false;
        if (e->isAccepted())
            return true;
    } else if (e->isAccepted()) {
        return true;
    }
    // Unanswered: the menu of the nearest enclosing control that has one, so
    // that a right-click anywhere on a form shows the form's menu.
    for (QWidget *p = m_widget->isWindow() ? nullptr : m_widget->parentWidget(); p; p = p->parentWidget()) {
        Control *pc = Control::from(p);
        if (pc && pc->PopupMenu()) {
            pc->PopupMenu()->Popup(ce->globalPos().x(), ce->globalPos().y());
            break;
        }
        if (p->isWindow())
            break;
    }
    e->accept();
    return true;
}

void Control::focusArrived()
{
    // Enter events go outermost first, to every control the focus now enters.
    QList<QPointer<QWidget>> entered;
    for (QWidget *w = m_widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        Control *c = Control::from(w);
        if (c && !c->m_focusInside) {
            c->m_focusInside = true;
            entered.prepend(w);
        }
    }
    for (const auto &w : entered) {
        if (Control *c = Control::from(w.data()))
            c->fire([c] { c->emitOnEnter(); });
    }
}

void Control::focusLeft(QFocusEvent *e)
{
    // Switching to another window or opening a pop-up leaves the focus where
    // it is, as far as the form goes.
    if (e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason
        || e->reason() == Qt::MenuBarFocusReason)
        return;
    QWidget *now = QApplication::focusWidget();
    if (m_focusInside && !contains(now) && !canExit(now)) {
        refuseExit();
        return;
    }
    // Exit events go innermost first, to every control the focus has left.
    QList<QPointer<QWidget>> left;
    for (QWidget *w = m_widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        Control *c = Control::from(w);
        if (!c)
            continue;
        if (c->contains(now))
            break;
        if (c->m_focusInside) {
            c->m_focusInside = false;
            left << w;
        }
    }
    for (const auto &w : left) {
        if (Control *c = Control::from(w.data()))
            c->fire([c] { c->emitOnExit(); });
    }
}

void Control::doClick()
{
    fire([this] { emitOnClick(); });
}

void Control::doDblClick()
{
    fire([this] { emitOnDblClick(); });
}

void Control::doMouseDown(Tk::TMouseButton button, Tk::TShiftState shift, int x, int y)
{
    fire([&] { emitOnMouseDown(button, shift, x, y); });
}

void Control::doMouseMove(Tk::TShiftState shift, int x, int y)
{
    fire([&] { emitOnMouseMove(shift, x, y); });
}

void Control::doMouseUp(Tk::TMouseButton button, Tk::TShiftState shift, int x, int y)
{
    fire([&] { emitOnMouseUp(button, shift, x, y); });
}

// ---- Geometry and alignment -------------------------------------------------

QRect Control::BoundsRect() const
{
    return m_widget->geometry();
}

int Control::Left() const
{
    return BoundsRect().left();
}

void Control::SetLeft(int left)
{
    const QRect r = BoundsRect();
    SetBounds(left, r.top(), r.width(), r.height());
}

int Control::Top() const
{
    return BoundsRect().top();
}

void Control::SetTop(int top)
{
    const QRect r = BoundsRect();
    SetBounds(r.left(), top, r.width(), r.height());
}

int Control::Width() const
{
    return BoundsRect().width();
}

void Control::SetWidth(int width)
{
    const QRect r = BoundsRect();
    SetBounds(r.left(), r.top(), width, r.height());
}

int Control::Height() const
{
    return BoundsRect().height();
}

void Control::SetHeight(int height)
{
    const QRect r = BoundsRect();
    SetBounds(r.left(), r.top(), r.width(), height);
}

void Control::SetBounds(int left, int top, int width, int height)
{
    const QRect wanted(left, top, std::max(0, width), std::max(0, height));
    if (m_widget->geometry() == wanted)
        return;
    const QSize oldSize = m_widget->size();
    m_widget->setGeometry(wanted);
    boundsChanged();
    // A hidden widget hears of its new size only when it is shown; its
    // aligned children follow now.
    if (wanted.size() != oldSize)
        Realign();
    if (m_align != Tk::TAlign::alNone)
        requestRealign(m_widget->parentWidget());
}

void Control::SetAlign(Tk::TAlign align)
{
    if (align == m_align)
        return;
    m_align = align;
    requestRealign(m_widget->parentWidget());
}

bool Control::Visible() const
{
    return !(m_widget->isHidden() && m_widget->testAttribute(Qt::WA_WState_ExplicitShowHide));
}

void Control::SetVisible(bool visible)
{
    if (!managesOwnVisibility()) {
        // Shown now, a control not yet placed would become a window of its
        // own; no longer hidden explicitly, Qt shows it with its parent.
        if (!visible || m_widget->parentWidget())
            m_widget->setVisible(visible);
        else if (m_widget->isHidden())
            m_widget->setAttribute(Qt::WA_WState_ExplicitShowHide, false);
    }
    if (m_align != Tk::TAlign::alNone)
        requestRealign(m_widget->parentWidget());
}

bool Control::Enabled() const
{
    return !m_widget->testAttribute(Qt::WA_ForceDisabled);
}

void Control::SetEnabled(bool enabled)
{
    if (Enabled() == enabled)
        return;
    m_widget->setEnabled(enabled);
    reapplyPalette();
    // What it holds and took its colours from it must now keep the look of
    // being enabled by itself; once it has a palette of its own, it keeps it.
    if (!enabled) {
        for (QObject *child : m_widget->children()) {
            Control *control = from(child);
            if (control && !control->m_widget->testAttribute(Qt::WA_SetPalette))
                control->reapplyPalette();
        }
    }
}

QRect Control::clientRect() const
{
    return m_widget->rect();
}

void Control::Realign()
{
    if (m_aligning || isLoading() || isDestroying())
        return;
    std::vector<AlignLayout::Item> items;
    std::vector<Control *> controls;
    for (QObject *o : m_widget->children()) {
        if (!o->isWidgetType())
            continue;
        Control *c = from(o);
        if (!c || c->m_align == Tk::TAlign::alNone || !c->Visible() || static_cast<QWidget *>(o)->isWindow())
            continue;
        items.push_back({c->m_align, c->BoundsRect()});
        controls.push_back(c);
    }
    if (items.empty())
        return;
    // The order of the edges and the client area is the forms' own, not a
    // Qt layout's: AlignLayout keeps it.
    AlignLayout::arrange(clientRect(), items);
    m_aligning = true;
    for (size_t i = 0; i < items.size(); ++i) {
        const QRect &r = items[i].bounds;
        if (controls[i]->BoundsRect() != r)
            controls[i]->SetBounds(r.left(), r.top(), r.width(), r.height());
    }
    m_aligning = false;
}

// ---- Hint, colour, font -----------------------------------------------------

bool Control::ShowHint() const
{
    if (m_parentShowHint) {
        if (Control *p = from(m_widget->parentWidget()))
            return p->ShowHint();
    }
    return m_showHint;
}

void Control::SetShowHint(bool show)
{
    m_showHint = show;
    m_parentShowHint = false;
}

void Control::SetParentShowHint(bool parentShowHint)
{
    m_parentShowHint = parentShowHint;
}

bool Control::hintShown() const
{
    return !m_hint.isEmpty() && ShowHint();
}

QPalette::ColorRole Control::colorRole() const
{
    // A list, a memo or a grid shows its Color where its lines are, in its
    // viewport, not in the frame around it.
    auto *area = qobject_cast<QAbstractScrollArea *>(m_widget);
    return area ? area->viewport()->backgroundRole() : m_widget->backgroundRole();
}

Tk::TColor Control::Color() const
{
    if (!ParentColor())
        return m_color;
    const QColor c = m_widget->palette().color(colorRole());
    return Colors::fromRgb(c.red(), c.green(), c.blue());
}

bool Control::ParentColor() const
{
    return !(m_widget->palette().resolveMask() & (QPalette::ResolveMask(1) << colorRole()));
}

void Control::SetColor(Tk::TColor color)
{
    m_color = color;
    applyPalette(true);
}

void Control::SetParentColor(bool parentColor)
{
    if (parentColor == ParentColor())
        return;
    applyPalette(!parentColor);
}

TFont *Control::Font() const
{
    if (!m_font) {
        m_font = new TFont(m_widget);
        auto *self = const_cast<Control *>(this);
        QObject::connect(m_font, &TFont::changed, m_widget, [self] {
            self->m_widget->setFont(self->m_font->toQFont());
            self->applyFont();
            self->reapplyPalette();
        });
    }
    if (ParentFont()) {
        const TFont *inherited = nullptr;
        for (QWidget *w = m_widget->parentWidget(); w && !inherited; w = w->parentWidget()) {
            if (w->testAttribute(Qt::WA_SetFont)) {
                if (const Control *c = from(w))
                    inherited = c->Font();
            }
        }
        if (inherited)
            m_font->copyQuietly(*inherited);
        else
            m_font->copyQuietly(TFont());
    }
    return m_font;
}

bool Control::ParentFont() const
{
    return !m_widget->testAttribute(Qt::WA_SetFont);
}

void Control::SetParentFont(bool parentFont)
{
    if (parentFont == ParentFont())
        return;
    // A font of its own starts as the one the control showed.
    m_widget->setFont(parentFont ? QFont() : Font()->toQFont());
    applyFont();
    reapplyPalette();
}

void Control::applyColor(const QColor &)
{
    m_widget->setAutoFillBackground(!ParentColor());
}

void Control::applyPalette(bool ownColor)
{
    // A control read from a definition takes its colours once, when loaded,
    // rather than once for every property that touches them; only whether it
    // has a colour of its own is kept in the palette at once.
    if (isLoading() && ownColor == !ParentColor())
        return;
    const bool fontColor = !ParentFont() && m_font && m_font->Color() != Tk::TColor::clWindowText;
    // A control looks disabled only when it is disabled itself; a disabled
    // container only keeps the input away from what it holds. An enabled
    // control gives what it holds colours that say so, and most controls take
    // every colour from their container: a palette of their own is only for a
    // colour of their own, a disabled look, or a container that is no control.
    const Control *container = from(m_widget->parentWidget());
    if (!ownColor && !fontColor && Enabled() && container && container->Enabled()) {
        if (m_widget->testAttribute(Qt::WA_SetPalette))
            m_widget->setPalette(QPalette());
        applyColor(Colors::toQColor(Color()));
        return;
    }
    QPalette pal;
    if (ownColor)
        pal.setColor(colorRole(), Colors::toQColor(m_color));
    if (fontColor) {
        const QColor text = Colors::toQColor(m_font->Color());
        for (auto group : {QPalette::Active, QPalette::Inactive}) {
            pal.setColor(group, QPalette::WindowText, text);
            pal.setColor(group, QPalette::Text, text);
            pal.setColor(group, QPalette::ButtonText, text);
        }
    }
    const QPalette::ColorRole roles[] = {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::Base,
                                         QPalette::Button, QPalette::Window, QPalette::Light, QPalette::Highlight,
                                         QPalette::HighlightedText};
    if (Enabled()) {
        for (auto role : roles)
            pal.setColor(QPalette::Disabled, role, pal.color(QPalette::Active, role));
    } else {
        // Disabled itself, it shows the disabled colours of the application,
        // not the enabled ones its container gives what it holds; a colour of
        // its own stays.
        const QPalette application = QApplication::palette();
        for (auto role : roles) {
            if (!ownColor || role != colorRole())
                pal.setColor(QPalette::Disabled, role, application.color(QPalette::Disabled, role));
        }
    }
    m_widget->setPalette(pal);
    applyColor(Colors::toQColor(Color()));
}

// ---- Tab order and focus ----------------------------------------------------

QList<Control *> Control::tabOrderList(const QWidget *parent)
{
    return FocusChain::controlsOf(parent);
}

int Control::TabOrder() const
{
    return int(tabOrderList(m_widget->parentWidget()).indexOf(const_cast<Control *>(this)));
}

bool Control::storesProperty(const char *name) const
{
    const QByteArray n(name);
    if (n == "Color")
        return !ParentColor();
    if (n == "Font")
        return !ParentFont();
    if (n == "TabOrder")
        return m_windowed;
    return true;
}

void Control::SetTabOrder(int order)
{
    m_storedTabOrder = order;
    // Positions read from a definition wait until every sibling exists.
    QWidget *parent = m_widget->parentWidget();
    if (!isLoading() && parent && m_windowed)
        arrangeFocusChain(parent);
}

void Control::arrangeFocusChain(QWidget *root)
{
    // A position given counts among the places the other controls stand at,
    // and goes before the one standing there; one read by a definition that
    // is still being read waits for the end of it.
    FocusChain::arrange(root, [](QList<Control *> &list) {
        QList<std::tuple<int, bool, Control *>> keyed;
        int others = 0;
        for (Control *c : list) {
            const bool given = c->m_storedTabOrder && !c->isLoading();
            keyed.append({given ? *c->m_storedTabOrder : others++, !given, c});
            if (given)
                c->m_storedTabOrder.reset();
        }
        std::stable_sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) {
            return std::pair(std::get<0>(a), std::get<1>(a)) < std::pair(std::get<0>(b), std::get<1>(b));
        });
        for (qsizetype i = 0; i < keyed.size(); ++i)
            list[i] = std::get<2>(keyed[i]);
    });
}

void Control::setTabOrderOf(QWidget *parent, const QList<Control *> &order)
{
    FocusChain::arrange(parent, [parent, &order](QList<Control *> &list) {
        if (!list.isEmpty() && list.first()->m_widget->parentWidget() == parent && list.size() == order.size())
            list = order;
    });
}

bool Control::TabStop() const
{
    return m_widget->focusPolicy() & Qt::TabFocus;
}

void Control::SetTabStop(bool tabStop)
{
    if (tabStop)
        m_widget->setFocusPolicy(Qt::StrongFocus);
    else if (m_widget->focusPolicy() != Qt::NoFocus)
        m_widget->setFocusPolicy(Qt::ClickFocus);
}

void Control::setFocusable(bool focusable)
{
    if (!focusable)
        m_widget->setFocusPolicy(Qt::NoFocus);
    else if (m_widget->focusPolicy() == Qt::NoFocus)
        m_widget->setFocusPolicy(Qt::ClickFocus);
}

Control *Control::firstFocusable(const QWidget *root, bool requireTabStop)
{
    if (!root)
        return nullptr;
    // The chain runs through what lies inside `root` in tab order.
    for (QWidget *w = root->nextInFocusChain(); w && w != root; w = w->nextInFocusChain()) {
        if (!root->isAncestorOf(w))
            continue;
        if (Control *c = from(w); c && c->CanFocus() && (!requireTabStop || c->TabStop()))
            return c;
    }
    return nullptr;
}

// ---- Parent, menu, cursor ---------------------------------------------------

void Control::SetPopupMenu(TPopupMenu *menu)
{
    m_popupMenu = menu;
}

void Control::SetCursor(Tk::TCursor cursor)
{
    m_cursor = cursor;
    if (cursor == Tk::TCursor::crDefault)
        m_widget->unsetCursor();
    else
        m_widget->setCursor(Screen::cursorShape(cursor));
}

void Control::SetParent(QWidget *parent)
{
    QWidget *old = m_widget->parentWidget();
    if (old == parent)
        return;
    const bool visible = Visible();
    m_widget->setParent(parent);
    // Qt leaves a widget moved into a shown parent hidden until it is shown.
    if (parent && visible && !managesOwnVisibility())
        m_widget->setVisible(true);
    parentChanged();
    boundsChanged();
    requestRealign(old);
    requestRealign(parent);
    if (parent && !isLoading())
        SetTabOrder(INT_MAX);
}

QWidget *Control::Parent() const
{
    return m_widget->parentWidget();
}

bool Control::CanFocus() const
{
    return m_widget->focusPolicy() != Qt::NoFocus && m_widget->isVisible() && m_widget->isEnabled();
}

void Control::SetFocus()
{
    if (CanFocus())
        m_widget->setFocus(Qt::OtherFocusReason);
}

void Control::BringToFront()
{
    m_widget->raise();
}

void Control::Repaint()
{
    m_widget->repaint();
}

void Control::Invalidate()
{
    m_widget->update();
}

void Control::loaded()
{
    Component::loaded();
    reapplyPalette();
    Realign();
}

bool Control::dialogKey(int)
{
    return false;
}

bool Control::canExit(const QWidget *) const
{
    return true;
}

void Control::boundsChanged() {}

void Control::parentChanged() {}
