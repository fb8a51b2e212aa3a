#include "toolkit/Control.h"

#include "toolkit/AlignLayout.h"
#include "toolkit/Colors.h"
#include "toolkit/Keys.h"
#include "toolkit/Screen.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHash>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSet>
#include <QTimer>
#include <QToolTip>

#include <algorithm>

// Sees the mouse, key, focus, hint, menu and geometry events of every control
// before its widget does, and turns them into the control's events.
class ControlEvents : public QObject
{
public:
    static ControlEvents &instance()
    {
        static ControlEvents *events = [] {
            auto *e = new ControlEvents;
            if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance())) {
                e->setParent(app);
                QObject::connect(app, &QApplication::focusChanged, e, &ControlEvents::focusChanged);
            }
            return e;
        }();
        return *events;
    }

    void watch(QWidget *w, Control *c)
    {
        m_inputs.insert(w, c);
        w->installEventFilter(this);
    }
    void forget(QWidget *w)
    {
        m_inputs.remove(w);
    }

    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    void focusChanged(QWidget *old, QWidget *now);

    QHash<QObject *, Control *> m_inputs;
    // Set while a control takes the focus back after refusing to be left.
    bool m_refusing = false;
    // The pop-up request being handed to its own widget before the enclosing
    // controls' menus are tried.
    const QEvent *m_contextMenuResent = nullptr;
};

namespace {

qint64 nextTabPosition()
{
    static qint64 counter = qint64(1) << 40;
    return ++counter;
}

bool isAncestorOrSelf(const QWidget *ancestor, const QWidget *w)
{
    for (; w; w = w->parentWidget()) {
        if (w == ancestor)
            return true;
    }
    return false;
}

QList<QPointer<QWidget>> &dirtyWindows()
{
    static QList<QPointer<QWidget>> list;
    return list;
}

} // namespace

bool ControlEvents::eventFilter(QObject *watched, QEvent *e)
{
    Control *c = m_inputs.value(watched);
    if (!c)
        return false;
    auto *from = static_cast<QWidget *>(watched);
    QWidget *w = c->widget();
    switch (e->type()) {
    case QEvent::MouseButtonPress: {
        auto *me = static_cast<QMouseEvent *>(e);
        const QPoint p = from->mapTo(w, me->position().toPoint());
        if (me->button() == Qt::LeftButton)
            c->m_pressed = true;
        c->doMouseDown(Keys::mouseButton(me->button()), Keys::shiftState(me->modifiers(), me->buttons()), p.x(), p.y());
        break;
    }
    case QEvent::MouseButtonDblClick: {
        auto *me = static_cast<QMouseEvent *>(e);
        const QPoint p = from->mapTo(w, me->position().toPoint());
        c->doMouseDown(Keys::mouseButton(me->button()),
                       Keys::shiftState(me->modifiers(), me->buttons()) | Tk::TShiftStateFlag::ssDouble, p.x(), p.y());
        if (me->button() == Qt::LeftButton && !c->nativeDblClick()) {
            QPointer<QWidget> guard(w);
            c->doDblClick();
            if (!guard)
                return true;
        }
        break;
    }
    case QEvent::MouseMove: {
        auto *me = static_cast<QMouseEvent *>(e);
        const QPoint p = from->mapTo(w, me->position().toPoint());
        c->doMouseMove(Keys::shiftState(me->modifiers(), me->buttons()), p.x(), p.y());
        break;
    }
    case QEvent::MouseButtonRelease: {
        auto *me = static_cast<QMouseEvent *>(e);
        const QPoint p = from->mapTo(w, me->position().toPoint());
        const bool click = me->button() == Qt::LeftButton && c->m_pressed && w->rect().contains(p);
        if (me->button() == Qt::LeftButton)
            c->m_pressed = false;
        QPointer<QWidget> guard(w);
        c->doMouseUp(Keys::mouseButton(me->button()), Keys::shiftState(me->modifiers(), me->buttons()), p.x(), p.y());
        if (guard && click && !c->nativeClick())
            c->doClick();
        if (!guard)
            return true;
        break;
    }
    case QEvent::KeyPress: {
        if (c->keyAlreadySeen(e))
            break;
        auto *ke = static_cast<QKeyEvent *>(e);
        if (c->hasHandler("OnKeyDown")) {
            int key = Keys::virtualKey(ke->key());
            Tk::TShiftState shift = Keys::shiftState(ke->modifiers());
            QObject *sender = w;
            if (key && c->callEvent<void>("OnKeyDown", nullptr, sender, key, shift) && key == 0)
                return true;
        }
        if (c->hasHandler("OnKeyPress") && !ke->text().isEmpty()) {
            QChar ch = ke->text().at(0);
            QObject *sender = w;
            if (c->callEvent<void>("OnKeyPress", nullptr, sender, ch) && ch.isNull())
                return true;
        }
        break;
    }
    case QEvent::KeyRelease: {
        auto *ke = static_cast<QKeyEvent *>(e);
        if (c->hasHandler("OnKeyUp")) {
            int key = Keys::virtualKey(ke->key());
            Tk::TShiftState shift = Keys::shiftState(ke->modifiers());
            QObject *sender = w;
            if (key && c->callEvent<void>("OnKeyUp", nullptr, sender, key, shift) && key == 0)
                return true;
        }
        break;
    }
    case QEvent::ContextMenu: {
        auto *ce = static_cast<QContextMenuEvent *>(e);
        if (TPopupMenu *menu = c->PopupMenu()) {
            menu->Popup(ce->globalPos().x(), ce->globalPos().y());
            return true;
        }
        if (e == m_contextMenuResent)
            break;
        // A control without a menu of its own lets its widget answer first (an
        // edit box has its own menu). When the widget leaves the request
        // unanswered, the menu of the nearest enclosing control that has one
        // opens, so that a right-click anywhere on a form shows the form's menu.
        QPointer<QWidget> guard(w);
        const QEvent *outer = m_contextMenuResent;
        m_contextMenuResent = e;
        e->accept();
        QCoreApplication::sendEvent(watched, e);
        m_contextMenuResent = outer;
        if (e->isAccepted() || !guard)
            return true;
        for (QWidget *p = w->parentWidget(); p; p = p->parentWidget()) {
            Control *pc = Control::from(p);
            if (pc && pc->PopupMenu()) {
                pc->PopupMenu()->Popup(ce->globalPos().x(), ce->globalPos().y());
                return true;
            }
            if (p->isWindow())
                break;
        }
        return true;
    }
    case QEvent::ToolTip:
        if (watched == w || c->m_inputWidgets.contains(from)) {
            auto *he = static_cast<QHelpEvent *>(e);
            if (c->hintShown())
                QToolTip::showText(he->globalPos(), c->Hint(), w);
            else
                QToolTip::hideText();
            return true;
        }
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (watched == w) {
            c->boundsChanged();
            if (e->type() == QEvent::Resize)
                c->Realign();
        }
        break;
    default:
        break;
    }
    return false;
}

void ControlEvents::focusChanged(QWidget *old, QWidget *now)
{
    if (m_refusing)
        return;
    for (QWidget *w = old; w && now; w = w->parentWidget()) {
        Control *c = Control::from(w);
        if (c && !isAncestorOrSelf(w, now) && !c->canExit(now)) {
            m_refusing = true;
            c->refuseExit();
            m_refusing = false;
            return;
        }
    }
    // Exit events go innermost first, enter events outermost first; a control
    // that keeps the focus inside itself hears neither.
    QList<QPointer<QWidget>> exits;
    for (QWidget *w = old; w; w = w->parentWidget()) {
        if (Control *c = Control::from(w); c && c->hasHandler("OnExit") && !isAncestorOrSelf(w, now))
            exits << w;
    }
    QList<QPointer<QWidget>> enters;
    for (QWidget *w = now; w; w = w->parentWidget()) {
        if (Control *c = Control::from(w); c && c->hasHandler("OnEnter") && !isAncestorOrSelf(w, old))
            enters.prepend(w);
    }
    for (const auto &w : exits) {
        if (Control *c = Control::from(w))
            c->fireNotify("OnExit");
    }
    for (const auto &w : enters) {
        if (Control *c = Control::from(w))
            c->fireNotify("OnEnter");
    }
}

Control::Control(QWidget *self, QObject *owner)
    : Component(self, owner)
    , m_widget(self)
    , m_tabPosition(nextTabPosition())
{
    self->setAttribute(Qt::WA_NoMousePropagation);
    m_inputWidgets << self;
    ControlEvents::instance().watch(self, this);
    applyPalette();
}

Control::~Control()
{
    for (const auto &w : m_inputWidgets) {
        if (w)
            ControlEvents::instance().forget(w);
    }
}

Control *Control::from(const QObject *object)
{
    return object ? dynamic_cast<Control *>(const_cast<QObject *>(object)) : nullptr;
}

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

bool Control::ShowHint() const
{
    if (m_parentShowHint) {
        if (Control *p = from(m_widget->parentWidget()))
            return p->ShowHint();
        return m_showHint;
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
    QPalette pal;
    const QPalette::ColorRole background = m_widget->backgroundRole();
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
    std::stable_sort(list.begin(), list.end(),
                     [](const Control *a, const Control *b) { return a->m_tabPosition < b->m_tabPosition; });
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
        m_tabPosition = order;
        return;
    }
    QList<Control *> list = tabOrderList(parent);
    list.removeOne(this);
    const int index = std::clamp(order, 0, int(list.size()));
    list.insert(index, this);
    for (int i = 0; i < list.size(); ++i)
        list[i]->m_tabPosition = i;
    ensureFocusChain();
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
        m_tabPosition = nextTabPosition();
    parentChanged();
    boundsChanged();
    if (Control *o = from(old))
        o->Realign();
    if (Control *p = from(parent))
        p->Realign();
    ensureFocusChain();
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

void Control::loaded()
{
    Component::loaded();
    Realign();
}

void Control::addInputWidget(QWidget *w)
{
    if (!w || m_inputWidgets.contains(w))
        return;
    m_inputWidgets.removeIf([](const QPointer<QWidget> &p) { return p.isNull(); });
    m_inputWidgets << w;
    w->setAttribute(Qt::WA_NoMousePropagation);
    ControlEvents::instance().watch(w, this);
    // Inner widgets can go before the control (a cell editor, the text box
    // of a combo box whose style changed); their address must not stay known.
    QObject::connect(w, &QObject::destroyed, &ControlEvents::instance(),
                     [w] { ControlEvents::instance().forget(w); });
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

void Control::eventBound(const QByteArray &) {}

void Control::doMouseDown(Tk::TMouseButton button, Tk::TShiftState shift, int x, int y)
{
    QObject *sender = m_widget;
    callEvent<void>("OnMouseDown", nullptr, sender, button, shift, x, y);
}

void Control::doMouseMove(Tk::TShiftState shift, int x, int y)
{
    QObject *sender = m_widget;
    callEvent<void>("OnMouseMove", nullptr, sender, shift, x, y);
}

void Control::doMouseUp(Tk::TMouseButton button, Tk::TShiftState shift, int x, int y)
{
    QObject *sender = m_widget;
    callEvent<void>("OnMouseUp", nullptr, sender, button, shift, x, y);
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

namespace {
void collectFocusChain(QWidget *parent, QList<QWidget *> &chain)
{
    for (Control *c : Control::tabOrderList(parent)) {
        QWidget *w = c->widget();
        if (w->focusPolicy() & Qt::TabFocus)
            chain << w;
        collectFocusChain(w, chain);
    }
    for (QObject *o : parent->children()) {
        if (o->isWidgetType() && !Control::from(o) && !static_cast<QWidget *>(o)->isWindow())
            collectFocusChain(static_cast<QWidget *>(o), chain);
    }
}
} // namespace

void Control::applyFocusChain(QWidget *window)
{
    if (!window)
        return;
    QList<QWidget *> chain;
    collectFocusChain(window, chain);
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void Control::ensureFocusChain()
{
    QWidget *window = m_widget->window();
    if (!window || !QCoreApplication::instance())
        return;
    auto &dirty = dirtyWindows();
    const bool first = dirty.isEmpty();
    if (!dirty.contains(window))
        dirty.append(window);
    if (first) {
        QTimer::singleShot(0, QCoreApplication::instance(), [] {
            const auto windows = dirtyWindows();
            dirtyWindows().clear();
            for (const auto &w : windows) {
                if (w)
                    applyFocusChain(w);
            }
        });
    }
}
