#include "toolkit/Control.h"

#include "toolkit/AlignLayout.h"
#include "toolkit/Colors.h"
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

namespace {

qint64 nextTabRank()
{
    static qint64 counter = qint64(1) << 40;
    return ++counter;
}

// Whether Qt's focus chain can place `w`: QWidget::setTabOrder ignores
// widgets that never take the focus, and those that hand it to a proxy.
bool chainable(const QWidget *w)
{
    return w->focusPolicy() != Qt::NoFocus && !w->focusProxy() && !w->isWindow();
}

// The children of `parent` in tab order: the inner widgets that are no
// controls (the tabs of a notebook, the buttons of a radio group) in the
// order they were made, then its windowed controls by their place.
QList<QWidget *> orderedChildren(const QWidget *parent)
{
    QList<QWidget *> list;
    for (QObject *o : parent->children()) {
        if (o->isWidgetType() && !Control::from(o) && !static_cast<QWidget *>(o)->isWindow())
            list << static_cast<QWidget *>(o);
    }
    for (Control *c : Control::tabOrderList(parent))
        list << c->widget();
    return list;
}

void collectChain(QWidget *root, bool withRoot, QList<QWidget *> &chain)
{
    if (withRoot && chainable(root))
        chain << root;
    for (QWidget *w : orderedChildren(root))
        collectChain(w, true, chain);
}

// The last widget of `root`'s part of the chain, root included; null when
// nothing there can take the focus.
QWidget *lastInChain(QWidget *root)
{
    const QList<QWidget *> children = orderedChildren(root);
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        if (QWidget *last = lastInChain(*it))
            return last;
    }
    return chainable(root) ? root : nullptr;
}

// The widget the chain of `w`'s part follows: the last one of the parts
// before it in tab order, going outwards. Null when `w`'s part comes first in
// its window.
QWidget *predecessorInChain(QWidget *w)
{
    for (QWidget *p = w->isWindow() ? nullptr : w->parentWidget(); p; w = p, p = p->isWindow() ? nullptr : p->parentWidget()) {
        const QList<QWidget *> siblings = orderedChildren(p);
        const int index = int(siblings.indexOf(w));
        for (int i = index - 1; i >= 0; --i) {
            if (QWidget *last = lastInChain(siblings[i]))
                return last;
        }
        if (chainable(p))
            return p;
    }
    return nullptr;
}

// Links `chain` one after the other, after `anchor` when it is given.
void linkChain(QWidget *anchor, const QList<QWidget *> &chain)
{
    QWidget *previous = anchor;
    for (QWidget *w : chain) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

} // namespace

Control::Control(QWidget *self, QObject *owner)
    : Component(self, owner)
    , m_widget(self)
    , m_tabRank(nextTabRank())
{
    self->setAttribute(Qt::WA_NoMousePropagation);
    applyPalette();
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
    if (m_align != Tk::TAlign::alNone) {
        if (Control *p = from(m_widget->parentWidget()))
            p->Realign();
    }
}

void Control::SetAlign(Tk::TAlign align)
{
    if (align == m_align)
        return;
    m_align = align;
    if (Control *p = from(m_widget->parentWidget()))
        p->Realign();
}

void Control::SetVisible(bool visible)
{
    m_visible = visible;
    if (m_widget->parentWidget() && !managesOwnVisibility())
        m_widget->setVisible(visible);
    if (m_align != Tk::TAlign::alNone) {
        if (Control *p = from(m_widget->parentWidget()))
            p->Realign();
    }
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
    applyPalette();
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
        if (!c || c->m_align == Tk::TAlign::alNone || !c->m_visible || static_cast<QWidget *>(o)->isWindow())
            continue;
        items.push_back({c->m_align, c->BoundsRect()});
        controls.push_back(c);
    }
    if (items.empty())
        return;
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

Tk::TColor Control::Color() const
{
    if (m_parentColor) {
        if (Control *p = from(m_widget->parentWidget()))
            return p->Color();
    }
    return m_color;
}

void Control::SetColor(Tk::TColor color)
{
    m_color = color;
    m_parentColor = false;
    applyPalette();
}

void Control::SetParentColor(bool parentColor)
{
    if (parentColor == m_parentColor)
        return;
    m_parentColor = parentColor;
    applyPalette();
}

TFont *Control::Font() const
{
    if (!m_font) {
        m_font = new TFont(m_widget);
        auto *self = const_cast<Control *>(this);
        QObject::connect(m_font, &TFont::changed, m_widget, [self] {
            self->m_parentFont = false;
            self->applyFont();
            self->applyPalette();
        });
    }
    if (m_parentFont)
        refreshParentFont();
    return m_font;
}

void Control::refreshParentFont() const
{
    for (QWidget *w = m_widget->parentWidget(); w; w = w->parentWidget()) {
        if (Control *p = from(w)) {
            m_font->copyQuietly(*p->Font());
            return;
        }
    }
    m_font->copyQuietly(TFont());
}

void Control::SetParentFont(bool parentFont)
{
    if (parentFont == m_parentFont)
        return;
    m_parentFont = parentFont;
    applyFont();
    applyPalette();
}

void Control::applyFont()
{
    if (m_parentFont || !m_font)
        m_widget->setFont(QFont());
    else
        m_widget->setFont(m_font->toQFont());
}

void Control::applyColor(const QColor &)
{
    m_widget->setAutoFillBackground(!m_parentColor);
}

void Control::applyPalette()
{
    // A control read from a definition takes its colours once, when loaded,
    // rather than once for every property that touches them.
    if (isLoading())
        return;
    QPalette pal;
    // A list, a memo or a grid shows its Color where its lines are, in its
    // viewport, not in the frame around it.
    auto *area = qobject_cast<QAbstractScrollArea *>(m_widget);
    const QPalette::ColorRole background = area ? area->viewport()->backgroundRole() : m_widget->backgroundRole();
    if (!m_parentColor)
        pal.setColor(background, Colors::toQColor(m_color));
    if (!m_parentFont && m_font && m_font->Color() != Tk::TColor::clWindowText) {
        const QColor text = Colors::toQColor(m_font->Color());
        for (auto group : {QPalette::Active, QPalette::Inactive}) {
            pal.setColor(group, QPalette::WindowText, text);
            pal.setColor(group, QPalette::Text, text);
            pal.setColor(group, QPalette::ButtonText, text);
        }
    }
    if (Enabled()) {
        // A control looks disabled only when it is disabled itself; a disabled
        // container only keeps the input away from what it holds.
        const QPalette::ColorRole roles[] = {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::Base,
                                             QPalette::Button, QPalette::Window, QPalette::Light, QPalette::Highlight,
                                             QPalette::HighlightedText};
        for (auto role : roles)
            pal.setColor(QPalette::Disabled, role, pal.color(QPalette::Active, role));
    }
    m_widget->setPalette(pal);
    applyColor(Colors::toQColor(Color()));
}

// ---- Tab order and focus ----------------------------------------------------

QList<Control *> Control::tabOrderList(const QWidget *parent)
{
    QList<Control *> list;
    if (!parent)
        return list;
    for (QObject *o : parent->children()) {
        if (!o->isWidgetType())
            continue;
        Control *c = from(o);
        if (c && c->m_windowed && !static_cast<QWidget *>(o)->isWindow())
            list << c;
    }
    std::stable_sort(list.begin(), list.end(), [](const Control *a, const Control *b) { return a->m_tabRank < b->m_tabRank; });
    return list;
}

int Control::TabOrder() const
{
    return int(tabOrderList(m_widget->parentWidget()).indexOf(const_cast<Control *>(this)));
}

bool Control::storesProperty(const char *name) const
{
    const QByteArray n(name);
    if (n == "Color")
        return !m_parentColor;
    if (n == "Font")
        return !m_parentFont;
    if (n == "TabOrder")
        return m_windowed;
    return true;
}

void Control::SetTabOrder(int order)
{
    QWidget *parent = m_widget->parentWidget();
    if (isLoading() || !parent) {
        // Stored positions are sorted once every sibling exists.
        m_tabRank = order;
        return;
    }
    QList<Control *> list = tabOrderList(parent);
    const int index = std::clamp(order, 0, int(list.size()) - 1);
    if (list.indexOf(this) == index)
        return;
    list.removeOne(this);
    list.insert(index, this);
    for (int i = 0; i < list.size(); ++i)
        list[i]->m_tabRank = i;
    placeInFocusChain();
}

void Control::placeInFocusChain()
{
    if (isLoading() || !m_windowed || m_widget->isWindow())
        return;
    // A form that is still being read links its whole chain once it is loaded.
    if (const Component *window = Component::from(m_widget->window()); window && window->isLoading())
        return;
    QList<QWidget *> chain;
    collectChain(m_widget, true, chain);
    if (chain.isEmpty())
        return;
    if (QWidget *anchor = predecessorInChain(m_widget))
        linkChain(anchor, chain);
    else
        applyFocusChain(m_widget->window());
}

void Control::applyFocusChain(QWidget *window)
{
    if (!window)
        return;
    QList<QWidget *> chain;
    collectChain(window, false, chain);
    linkChain(nullptr, chain);
}

void Control::SetTabStop(bool tabStop)
{
    m_tabStop = tabStop;
    if (m_focusable)
        m_widget->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void Control::setFocusable(bool focusable)
{
    m_focusable = focusable;
    if (!focusable)
        m_widget->setFocusPolicy(Qt::NoFocus);
    else
        m_widget->setFocusPolicy(m_tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

Control *Control::firstFocusable(const QWidget *root, bool requireTabStop)
{
    if (!root)
        return nullptr;
    for (Control *c : tabOrderList(root)) {
        if (c->CanFocus() && (!requireTabStop || c->m_tabStop))
            return c;
        if (!c->widget()->isVisible() || !c->widget()->isEnabled())
            continue;
        if (Control *inner = firstFocusable(c->widget(), requireTabStop))
            return inner;
    }
    // Containers that are not controls (the pages of a notebook) are searched too.
    for (QObject *o : root->children()) {
        if (o->isWidgetType() && !from(o) && !static_cast<QWidget *>(o)->isWindow()
            && static_cast<QWidget *>(o)->isVisible()) {
            if (Control *inner = firstFocusable(static_cast<QWidget *>(o), requireTabStop))
                return inner;
        }
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
    m_widget->setParent(parent);
    if (parent && !managesOwnVisibility())
        m_widget->setVisible(m_visible);
    if (!isLoading())
        m_tabRank = nextTabRank();
    parentChanged();
    boundsChanged();
    if (Control *o = from(old))
        o->Realign();
    if (Control *p = from(parent))
        p->Realign();
    if (parent)
        placeInFocusChain();
}

QWidget *Control::Parent() const
{
    return m_widget->parentWidget();
}

bool Control::CanFocus() const
{
    return m_focusable && m_widget->isVisible() && m_widget->isEnabled();
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
    applyPalette();
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
