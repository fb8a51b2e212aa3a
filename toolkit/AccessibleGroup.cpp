#include "toolkit/AccessibleGroup.h"

#include "toolkit/AccessibleControls_p.h"
#include "toolkit/AccessibleNames.h"
#include "toolkit/Control.h"

#include <QAccessible>
#include <QWidget>

AccessibleGroup::AccessibleGroup(QWidget *container, Holds holds)
    : QObject(container)
    , m_container(container)
    , m_holds(std::move(holds))
{
}

AccessibleGroup::~AccessibleGroup()
{
    // A container being destroyed takes its groups with it; nobody asks then.
    const Control *c = Control::from(m_container.data());
    if (m_told && QAccessible::isActive() && m_container && !(c && c->isDestroying())) {
        QAccessibleEvent destroyed(this, QAccessible::ObjectDestroyed);
        QAccessible::updateAccessibility(&destroyed);
    }
}

void AccessibleGroup::describe(const QString &name, const QString &description)
{
    const bool renamed = name != m_name;
    const bool redescribed = description != m_description;
    m_name = name;
    m_description = description;
    // Assistive technology hears of the group once, named, when it first shows.
    if (!m_told) {
        m_told = true;
        AccessibleNames::announce(this, QAccessible::ObjectCreated);
        return;
    }
    if (renamed)
        AccessibleNames::announce(this, QAccessible::NameChanged);
    if (redescribed)
        AccessibleNames::announce(this, QAccessible::DescriptionChanged);
}

QList<QObject *> AccessibleGroup::members() const
{
    QList<QObject *> list;
    if (!m_container)
        return list;
    QAccessibleInterface *self = QAccessible::queryAccessibleInterface(const_cast<AccessibleGroup *>(this));
    for (QWidget *w : AccessibleControls::shownChildren(m_container)) {
        QAccessibleInterface *iface = m_holds(w) ? QAccessible::queryAccessibleInterface(w) : nullptr;
        if (iface && iface->parent() == self)
            list << w;
    }
    return list;
}

AccessibleGroup *AccessibleGroup::holding(const QWidget *w)
{
    if (!w || w->isWindow() || !w->parentWidget())
        return nullptr;
    for (QObject *o : w->parentWidget()->children()) {
        auto *group = qobject_cast<AccessibleGroup *>(o);
        if (group && group->m_holds(w))
            return group;
    }
    return nullptr;
}

QAccessibleInterface *AccessibleGroup::groupAbove(const QWidget *w)
{
    AccessibleGroup *group = holding(w);
    return group ? QAccessible::queryAccessibleInterface(group) : nullptr;
}

QList<QObject *> AccessibleGroup::childrenOf(const QWidget *w)
{
    QList<QObject *> groups;
    QList<QObject *> rest;
    for (QWidget *c : AccessibleControls::shownChildren(w)) {
        AccessibleGroup *group = holding(c);
        QAccessibleInterface *iface = group ? QAccessible::queryAccessibleInterface(c) : nullptr;
        if (iface && iface->parent() == QAccessible::queryAccessibleInterface(group)) {
            if (!groups.contains(group))
                groups << group;
        } else {
            rest << c;
        }
    }
    return groups + rest;
}
