#include "toolkit/AccessibleGroup.h"

#include "toolkit/AccessibleControls_p.h"
#include "toolkit/AccessibleNames.h"
#include "toolkit/Control.h"

#include <QAccessible>
#include <QWidget>

AccessibleGroup::AccessibleGroup(QWidget *container)
    : QObject(container)
    , m_container(container)
{
    Q_ASSERT(container && of(container) == this);
    if (QAccessible::isActive()) {
        QAccessibleEvent created(this, QAccessible::ObjectCreated);
        QAccessible::updateAccessibility(&created);
    }
}

AccessibleGroup::~AccessibleGroup()
{
    // A container being destroyed takes its group with it; nobody asks then.
    const Control *c = Control::from(m_container.data());
    if (QAccessible::isActive() && m_container && !(c && c->isDestroying())) {
        QAccessibleEvent destroyed(this, QAccessible::ObjectDestroyed);
        QAccessible::updateAccessibility(&destroyed);
    }
}

void AccessibleGroup::announce()
{
    AccessibleNames::announce(this, QAccessible::NameChanged);
    AccessibleNames::announce(this, QAccessible::DescriptionChanged);
}

QList<QObject *> AccessibleGroup::members() const
{
    QList<QObject *> list;
    if (!m_container)
        return list;
    QAccessibleInterface *self = QAccessible::queryAccessibleInterface(const_cast<AccessibleGroup *>(this));
    for (QWidget *w : AccessibleControls::shownChildren(m_container)) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
        if (iface && iface->parent() == self)
            list << w;
    }
    return list;
}

AccessibleGroup *AccessibleGroup::of(const QWidget *container)
{
    return container ? container->findChild<AccessibleGroup *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

QAccessibleInterface *AccessibleGroup::groupAbove(const QWidget *w)
{
    AccessibleGroup *group = w && !w->isWindow() ? of(w->parentWidget()) : nullptr;
    return group ? QAccessible::queryAccessibleInterface(group) : nullptr;
}

QList<QObject *> AccessibleGroup::childrenOf(const QWidget *w)
{
    QList<QObject *> list;
    AccessibleGroup *group = of(w);
    QAccessibleInterface *gi = group ? QAccessible::queryAccessibleInterface(group) : nullptr;
    // The group stands first, also while empty, so that its place among the
    // container's children never changes.
    if (gi)
        list << group;
    for (QWidget *c : AccessibleControls::shownChildren(w)) {
        QAccessibleInterface *iface = gi ? QAccessible::queryAccessibleInterface(c) : nullptr;
        if (!iface || iface->parent() != gi)
            list << c;
    }
    return list;
}
