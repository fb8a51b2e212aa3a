#include "toolkit/AccessibleControls.h"

#include "toolkit/Control.h"
#include "toolkit/NotebookHost.h"
#include "toolkit/NotebookPage.h"
#include "toolkit/TImage.h"
#include "toolkit/TSpeedButton.h"

#include <QAbstractItemView>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QHash>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QWindow>

#include <algorithm>

namespace {

QHash<const QWidget *, QPointer<AccessibleGroup>> &groups()
{
    static QHash<const QWidget *, QPointer<AccessibleGroup>> g;
    return g;
}

QString stripMnemonic(QString text)
{
    static const QRegularExpression single(QStringLiteral("&(?!&)"));
    return text.remove(single).replace(QStringLiteral("&&"), QStringLiteral("&")).trimmed();
}

bool hasLetter(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// The child widgets that assistive technology sees: shown, not windows of
// their own (pop-up menus), in Qt's child order.
QList<QWidget *> shownChildren(const QWidget *w)
{
    QList<QWidget *> list;
    for (QObject *o : w->children()) {
        if (o->isWidgetType() && !static_cast<QWidget *>(o)->isWindow() && !static_cast<QWidget *>(o)->isHidden())
            list << static_cast<QWidget *>(o);
    }
    return list;
}

bool inGroup(QWidget *child, QAccessibleInterface *group)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(child);
    return iface && group && iface->parent() == group;
}

// The children of a container as assistive technology sees them: the
// container's group stands once for every child inside it.
QList<QObject *> accessibleChildren(const QWidget *w)
{
    QList<QObject *> list;
    AccessibleGroup *group = AccessibleGroup::of(w);
    QAccessibleInterface *gi = group ? QAccessible::queryAccessibleInterface(group) : nullptr;
    for (QWidget *c : shownChildren(w)) {
        if (inGroup(c, gi)) {
            if (!list.contains(group))
                list << group;
        } else {
            list << c;
        }
    }
    return list;
}

QAccessibleInterface *childOf(const QList<QObject *> &children, int index)
{
    return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children.at(index)) : nullptr;
}

int indexIn(const QList<QObject *> &children, const QAccessibleInterface *child)
{
    return child ? int(children.indexOf(child->object())) : -1;
}

// A control of the toolkit that Qt knows only as a plain widget, or a push
// button, as a screen reader should meet it.
class ControlAccessible : public QAccessibleWidget
{
public:
    explicit ControlAccessible(QWidget *w)
        : QAccessibleWidget(w)
    {
    }

    QAccessible::Role role() const override
    {
        QWidget *w = widget();
        if (w->isWindow())
            return QAccessible::Window;
        if (clickable())
            return QAccessible::PushButton;
        if (qobject_cast<NotebookPage *>(w))
            return QAccessible::Pane;
        if (qobject_cast<TImage *>(w))
            return QAccessible::Graphic;
        if (!caption().isEmpty() && shownChildren(w).isEmpty())
            return QAccessible::StaticText;
        return QAccessible::Client;
    }

    QString text(QAccessible::Text t) const override
    {
        QWidget *w = widget();
        const Control *c = Control::from(w);
        const QString hint = c ? c->Hint() : QString();
        if (t == QAccessible::Name) {
            if (!w->accessibleName().isEmpty())
                return w->accessibleName();
            if (w->isWindow())
                return w->windowTitle();
            if (const QString shown = caption(); !shown.isEmpty())
                return shown;
            if (hasLetter(hint))
                return hint;
            if (c && clickable())
                return AccessibleControls::nameFromHandler(QString::fromLatin1(c->handlerName("OnClick")));
            return {};
        }
        if (t == QAccessible::Description && !w->accessibleDescription().isEmpty())
            return w->accessibleDescription();
        if (t == QAccessible::Description && hint != text(QAccessible::Name))
            return hint;
        if (t == QAccessible::Accelerator && qobject_cast<QAbstractButton *>(w))
            return QKeySequence::mnemonic(static_cast<QAbstractButton *>(w)->text()).toString(QKeySequence::NativeText);
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (const auto *button = qobject_cast<QPushButton *>(widget()))
            s.defaultButton = button->isDefault();
        if (const auto *speed = qobject_cast<TSpeedButton *>(widget()); speed && speed->GroupIndex() > 0) {
            s.checkable = true;
            s.checked = speed->Down();
        }
        return s;
    }

    QAccessibleInterface *parent() const override
    {
        if (!widget()->isWindow()) {
            if (AccessibleGroup *g = AccessibleGroup::of(widget()->parentWidget()))
                return QAccessible::queryAccessibleInterface(g);
        }
        return QAccessibleWidget::parent();
    }
    int childCount() const override { return int(accessibleChildren(widget()).size()); }
    QAccessibleInterface *child(int index) const override { return childOf(accessibleChildren(widget()), index); }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return indexIn(accessibleChildren(widget()), child);
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (clickable())
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString &name) override
    {
        if (name != pressAction() || !clickable() || !widget()->isEnabled()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        QWidget *w = widget();
        if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            button->click();
        } else if (auto *speed = qobject_cast<TSpeedButton *>(w)) {
            speed->Click();
        } else {
            // A panel that sorts a list: what a click of the mouse does.
            const QPointF centre = QRectF(w->rect()).center();
            QMouseEvent press(QEvent::MouseButtonPress, centre, w->mapToGlobal(centre), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QMouseEvent release(QEvent::MouseButtonRelease, centre, w->mapToGlobal(centre), Qt::LeftButton,
                                Qt::NoButton, Qt::NoModifier);
            const QPointer<QWidget> alive(w);
            QCoreApplication::sendEvent(w, &press);
            if (alive)
                QCoreApplication::sendEvent(w, &release);
        }
    }
    QStringList keyBindingsForAction(const QString &name) const override
    {
        const QString key = text(QAccessible::Accelerator);
        if (name == pressAction() && !key.isEmpty())
            return {key};
        return QAccessibleWidget::keyBindingsForAction(name);
    }

private:
    QString caption() const
    {
        QWidget *w = widget();
        if (const auto *button = qobject_cast<QAbstractButton *>(w))
            return stripMnemonic(button->text());
        return stripMnemonic(w->property("Caption").toString());
    }

    bool clickable() const
    {
        QWidget *w = widget();
        if (qobject_cast<QAbstractButton *>(w) || qobject_cast<TSpeedButton *>(w))
            return true;
        // A container that reacts to clicks (a form) is no button.
        const Control *c = Control::from(w);
        return c && c->hasHandler("OnClick") && !w->isWindow() && shownChildren(w).isEmpty();
    }
};

// The group between a container and its children.
class GroupAccessible : public QAccessibleObject
{
public:
    explicit GroupAccessible(AccessibleGroup *group)
        : QAccessibleObject(group)
    {
    }

    AccessibleGroup *group() const { return static_cast<AccessibleGroup *>(object()); }
    QWidget *container() const { return group() ? group()->container() : nullptr; }

    QAccessible::Role role() const override { return QAccessible::Pane; }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return group()->name();
        if (t == QAccessible::Description)
            return group()->description();
        return {};
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        QWidget *c = container();
        s.invisible = !c || !c->isVisible();
        s.disabled = c && !c->isEnabled();
        return s;
    }
    QRect rect() const override
    {
        QWidget *c = container();
        return c ? QRect(c->mapToGlobal(QPoint(0, 0)), c->size()) : QRect();
    }
    QWindow *window() const override
    {
        QWidget *c = container();
        return c ? c->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(container()); }
    int childCount() const override { return int(children().size()); }
    QAccessibleInterface *child(int index) const override { return childOf(children(), index); }
    int indexOfChild(const QAccessibleInterface *child) const override { return indexIn(children(), child); }

private:
    QList<QObject *> children() const
    {
        QList<QObject *> list;
        QWidget *c = container();
        if (!c)
            return list;
        QAccessibleInterface *self = QAccessible::queryAccessibleInterface(group());
        for (QWidget *w : shownChildren(c)) {
            if (inGroup(w, self))
                list << w;
        }
        return list;
    }
};

// One tab of a notebook's tab row.
class TabAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    TabAccessible(QTabBar *bar, int index)
        : m_bar(bar)
        , m_index(index)
    {
    }

    bool isValid() const override { return m_bar && m_index < m_bar->count(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_bar ? m_bar->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_bar); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? stripMnemonic(m_bar->tabText(m_index)) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = m_bar->tabRect(m_index);
        return QRect(m_bar->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.selectable = true;
        s.selected = m_bar->currentIndex() == m_index;
        s.focused = s.selected && m_bar->hasFocus();
        s.disabled = !m_bar->isEnabled() || !m_bar->isTabEnabled(m_index);
        return s;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction() && isValid() && !state().disabled)
            m_bar->setCurrentIndex(m_index);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<QTabBar> m_bar;
    int m_index;
};

// A notebook's row of tabs: the tabs of hidden pages are not there.
class TabBarAccessible : public QAccessibleWidget
{
public:
    explicit TabBarAccessible(QTabBar *bar)
        : QAccessibleWidget(bar, QAccessible::PageTabList)
    {
    }
    ~TabBarAccessible() override
    {
        for (QAccessible::Id id : std::as_const(m_tabs))
            QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty() && bar()->currentIndex() >= 0)
            return stripMnemonic(bar()->tabText(bar()->currentIndex()));
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return int(shownTabs().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<int> tabs = shownTabs();
        if (index < 0 || index >= tabs.size())
            return nullptr;
        const int tab = tabs.at(index);
        if (!m_tabs.contains(tab))
            m_tabs.insert(tab, QAccessible::registerAccessibleInterface(new TabAccessible(bar(), tab)));
        return QAccessible::accessibleInterface(m_tabs.value(tab));
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const QList<int> tabs = shownTabs();
        for (int i = 0; i < tabs.size(); ++i) {
            if (m_tabs.value(tabs.at(i)) == QAccessible::uniqueId(const_cast<QAccessibleInterface *>(child)))
                return i;
        }
        return -1;
    }

private:
    QTabBar *bar() const { return static_cast<QTabBar *>(widget()); }
    QList<int> shownTabs() const
    {
        QList<int> tabs;
        for (int i = 0; i < bar()->count(); ++i) {
            if (bar()->isTabVisible(i))
                tabs << i;
        }
        return tabs;
    }

    mutable QHash<int, QAccessible::Id> m_tabs;
};

// A line of a list that carries a check state, as Qt presents it, checkable
// and mixed where grayed (states that Qt's own line leaves out). It finds
// Qt's line by id at every call, since Qt drops its lines when the list
// changes.
class CheckLineAccessible : public QAccessibleInterface
{
public:
    explicit CheckLineAccessible(QAccessible::Id line)
        : m_line(line)
    {
    }

    QAccessible::Id line() const { return m_line; }
    QAccessibleInterface *qt() const { return QAccessible::accessibleInterface(m_line); }

    bool isValid() const override { return qt() && qt()->isValid(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return qt() ? qt()->window() : nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override { return qt() ? qt()->parent() : nullptr; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override { return qt() ? qt()->text(t) : QString(); }
    void setText(QAccessible::Text t, const QString &text) override
    {
        if (qt())
            qt()->setText(t, text);
    }
    QRect rect() const override { return qt() ? qt()->rect() : QRect(); }
    // A check box by role too: some bridges to assistive technology pass no
    // checkable state on, and a line of a list that is checked or not reads
    // as a check box.
    QAccessible::Role role() const override { return QAccessible::CheckBox; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        QAccessibleInterface *line = qt();
        if (!line)
            return s;
        s = line->state();
        const int check = checkState(line);
        s.checkable = true;
        s.checked = check == Qt::Checked;
        s.checkStateMixed = check == Qt::PartiallyChecked;
        return s;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return qt() ? qt()->interface_cast(type) : nullptr;
    }

    // The check state of Qt's line, -1 when it has none.
    static int checkState(QAccessibleInterface *line)
    {
        QAccessibleTableCellInterface *cell = line ? line->tableCellInterface() : nullptr;
        QAccessibleInterface *table = cell ? cell->table() : nullptr;
        const auto *view = table ? qobject_cast<QAbstractItemView *>(table->object()) : nullptr;
        if (!view || !view->model())
            return -1;
        const QVariant v = view->model()->index(cell->rowIndex(), cell->columnIndex()).data(Qt::CheckStateRole);
        return v.isValid() ? v.toInt() : -1;
    }

private:
    QAccessible::Id m_line;
};

// A list or grid as Qt presents it, with the table queries of assistive
// technology answered for rows and columns that do not exist (an empty list
// asked for its first cell) instead of warned about. The interface Qt made
// for the view stays registered under its own id and goes with this one.
class ItemViewAccessible : public QAccessibleInterface, public QAccessibleTableInterface
{
public:
    explicit ItemViewAccessible(QAccessibleInterface *qt)
        : m_qt(qt)
        , m_qtId(QAccessible::uniqueId(qt))
    {
    }
    ~ItemViewAccessible() override
    {
        for (QAccessible::Id id : std::as_const(m_checkLines))
            QAccessible::deleteAccessibleInterface(id);
        QAccessible::deleteAccessibleInterface(m_qtId);
    }

    bool isValid() const override { return m_qt->isValid(); }
    QObject *object() const override { return m_qt->object(); }
    QWindow *window() const override { return m_qt->window(); }
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        return m_qt->relations(match);
    }
    QAccessibleInterface *focusChild() const override { return checkLine(m_qt->focusChild()); }
    QAccessibleInterface *childAt(int x, int y) const override { return checkLine(m_qt->childAt(x, y)); }
    QAccessibleInterface *parent() const override { return m_qt->parent(); }
    QAccessibleInterface *child(int index) const override { return checkLine(m_qt->child(index)); }
    int childCount() const override { return m_qt->childCount(); }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (auto it = m_checkLines.cbegin(); it != m_checkLines.cend(); ++it) {
            if (QAccessible::accessibleInterface(it.value()) == child)
                return m_qt->indexOfChild(QAccessible::accessibleInterface(it.key()));
        }
        return m_qt->indexOfChild(child);
    }
    QString text(QAccessible::Text t) const override { return m_qt->text(t); }
    void setText(QAccessible::Text t, const QString &text) override { m_qt->setText(t, text); }
    QRect rect() const override { return m_qt->rect(); }
    QAccessible::Role role() const override { return m_qt->role(); }
    QAccessible::State state() const override { return m_qt->state(); }
    QColor foregroundColor() const override { return m_qt->foregroundColor(); }
    QColor backgroundColor() const override { return m_qt->backgroundColor(); }
    void virtual_hook(int id, void *data) override { m_qt->virtual_hook(id, data); }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return m_qt->tableInterface() ? static_cast<QAccessibleTableInterface *>(this) : nullptr;
        return m_qt->interface_cast(type);
    }

    QAccessibleInterface *caption() const override { return table()->caption(); }
    QAccessibleInterface *summary() const override { return table()->summary(); }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
            return nullptr;
        return checkLine(table()->cellAt(row, column));
    }
    int selectedCellCount() const override { return table()->selectedCellCount(); }
    QList<QAccessibleInterface *> selectedCells() const override
    {
        QList<QAccessibleInterface *> cells = table()->selectedCells();
        for (QAccessibleInterface *&cell : cells)
            cell = checkLine(cell);
        return cells;
    }
    QString columnDescription(int column) const override { return table()->columnDescription(column); }
    QString rowDescription(int row) const override { return table()->rowDescription(row); }
    int selectedColumnCount() const override { return table()->selectedColumnCount(); }
    int selectedRowCount() const override { return table()->selectedRowCount(); }
    int columnCount() const override { return table()->columnCount(); }
    int rowCount() const override { return table()->rowCount(); }
    QList<int> selectedColumns() const override { return table()->selectedColumns(); }
    QList<int> selectedRows() const override { return table()->selectedRows(); }
    bool isColumnSelected(int column) const override { return table()->isColumnSelected(column); }
    bool isRowSelected(int row) const override { return table()->isRowSelected(row); }
    bool selectRow(int row) override { return table()->selectRow(row); }
    bool selectColumn(int column) override { return table()->selectColumn(column); }
    bool unselectRow(int row) override { return table()->unselectRow(row); }
    bool unselectColumn(int column) override { return table()->unselectColumn(column); }
    void modelChange(QAccessibleTableModelChangeEvent *event) override
    {
        table()->modelChange(event);
        // Lines that Qt dropped take their check lines with them.
        for (auto it = m_checkLines.begin(); it != m_checkLines.end();) {
            if (QAccessible::accessibleInterface(it.key())) {
                ++it;
                continue;
            }
            QAccessible::deleteAccessibleInterface(it.value());
            it = m_checkLines.erase(it);
        }
    }

private:
    QAccessibleTableInterface *table() const { return m_qt->tableInterface(); }
    // Qt's line, or the check line standing for it when the line has a check state.
    QAccessibleInterface *checkLine(QAccessibleInterface *line) const
    {
        if (!line || CheckLineAccessible::checkState(line) < 0)
            return line;
        const QAccessible::Id id = QAccessible::uniqueId(line);
        if (!m_checkLines.contains(id))
            m_checkLines.insert(id, QAccessible::registerAccessibleInterface(new CheckLineAccessible(id)));
        return QAccessible::accessibleInterface(m_checkLines.value(id));
    }

    QAccessibleInterface *m_qt;
    QAccessible::Id m_qtId;
    // Qt's line id to the id of the check line standing for it.
    mutable QHash<QAccessible::Id, QAccessible::Id> m_checkLines;
};

// Plain widgets and push buttons of the toolkit; Qt's own interfaces serve
// every other control.
bool servedHere(QWidget *w)
{
    if (!Control::from(w))
        return false;
    if (const auto *button = qobject_cast<QAbstractButton *>(w))
        return qobject_cast<const QPushButton *>(button) && !button->isCheckable();
    for (const QMetaObject *mo = w->metaObject(); mo; mo = mo->superClass()) {
        if (mo->className()[0] == 'Q')
            return mo == &QWidget::staticMetaObject;
    }
    return false;
}

bool standingAside = false;

QAccessibleInterface *factory(const QString &, QObject *object)
{
    if (standingAside)
        return nullptr;
    if (auto *group = qobject_cast<AccessibleGroup *>(object))
        return new GroupAccessible(group);
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *w = static_cast<QWidget *>(object);
    if (auto *bar = qobject_cast<QTabBar *>(w); bar && qobject_cast<NotebookHost *>(w->parentWidget()))
        return new TabBarAccessible(bar);
    if (qobject_cast<QAbstractItemView *>(w) && Control::from(w)) {
        standingAside = true;
        QAccessibleInterface *qt = QAccessible::queryAccessibleInterface(w);
        standingAside = false;
        return qt ? new ItemViewAccessible(qt) : nullptr;
    }
    return servedHere(w) ? new ControlAccessible(w) : nullptr;
}

} // namespace

void AccessibleControls::install()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(factory);
    installed = true;
}

QString AccessibleControls::nameFromHandler(const QString &handler)
{
    QString stem = handler;
    for (const char *suffix : {"Click", "Btn", "Button", "Lbl", "Label"}) {
        if (stem.endsWith(QLatin1String(suffix)) && stem.size() > int(qstrlen(suffix)))
            stem.chop(qsizetype(qstrlen(suffix)));
    }
    static const QRegularExpression wordStart(QStringLiteral("(?<=[a-z])(?=[A-Z])"));
    return stem.split(wordStart).join(u' ');
}

AccessibleGroup::AccessibleGroup(QWidget *container, const QString &name, const QString &description)
    : QObject(container)
    , m_container(container)
    , m_name(name)
    , m_description(description)
{
    groups().insert(container, this);
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent created(this, QAccessible::ObjectCreated);
    QAccessible::updateAccessibility(&created);
    // Assistive technology keeps the parent it once learnt of a control.
    QAccessibleInterface *self = QAccessible::queryAccessibleInterface(this);
    for (QWidget *child : shownChildren(container)) {
        if (inGroup(child, self)) {
            QAccessibleEvent moved(child, QAccessible::ParentChanged);
            QAccessible::updateAccessibility(&moved);
        }
    }
}

void AccessibleGroup::describe(const QString &name, const QString &description)
{
    m_name = name;
    m_description = description;
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent described(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
}

AccessibleGroup::~AccessibleGroup()
{
    // A container being destroyed takes its groups with it; nobody asks then.
    const Control *c = Control::from(m_container.data());
    if (QAccessible::isActive() && m_container && !(c && c->isDestroying())) {
        QAccessibleEvent destroyed(this, QAccessible::ObjectDestroyed);
        QAccessible::updateAccessibility(&destroyed);
    }
    const auto it = groups().constFind(m_container.data());
    if (it != groups().cend() && it.value() == this)
        groups().erase(it);
}

AccessibleGroup *AccessibleGroup::of(const QWidget *container)
{
    return container ? groups().value(container).data() : nullptr;
}
