#include "toolkit/TabBarAccessible.h"

#include "toolkit/AccessibleControls_p.h"

#include <QPointer>
#include <QTabBar>

namespace {

// One tab of the row.
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
        return t == QAccessible::Name && isValid() ? AccessibleControls::stripMnemonic(m_bar->tabText(m_index))
                                                   : QString();
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

} // namespace

TabBarAccessible::TabBarAccessible(QTabBar *bar)
    : QAccessibleWidget(bar, QAccessible::PageTabList)
{
}

TabBarAccessible::~TabBarAccessible()
{
    for (QAccessible::Id id : std::as_const(m_tabs))
        QAccessible::deleteAccessibleInterface(id);
}

QTabBar *TabBarAccessible::bar() const
{
    return static_cast<QTabBar *>(widget());
}

QString TabBarAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty() && bar()->currentIndex() >= 0)
        return AccessibleControls::stripMnemonic(bar()->tabText(bar()->currentIndex()));
    return QAccessibleWidget::text(t);
}

int TabBarAccessible::childCount() const
{
    return int(shownTabs().size());
}

QAccessibleInterface *TabBarAccessible::child(int index) const
{
    const QList<int> tabs = shownTabs();
    if (index < 0 || index >= tabs.size())
        return nullptr;
    const int tab = tabs.at(index);
    if (!m_tabs.contains(tab))
        m_tabs.insert(tab, QAccessible::registerAccessibleInterface(new TabAccessible(bar(), tab)));
    return QAccessible::accessibleInterface(m_tabs.value(tab));
}

int TabBarAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const QList<int> tabs = shownTabs();
    for (int i = 0; i < tabs.size(); ++i) {
        if (m_tabs.value(tabs.at(i)) == QAccessible::uniqueId(const_cast<QAccessibleInterface *>(child)))
            return i;
    }
    return -1;
}

QList<int> TabBarAccessible::shownTabs() const
{
    QList<int> tabs;
    for (int i = 0; i < bar()->count(); ++i) {
        if (bar()->isTabVisible(i))
            tabs << i;
    }
    return tabs;
}
