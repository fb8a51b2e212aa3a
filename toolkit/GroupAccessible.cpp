#include "toolkit/GroupAccessible.h"

#include "toolkit/AccessibleControls_p.h"
#include "toolkit/AccessibleGroup.h"

#include <QWidget>

GroupAccessible::GroupAccessible(AccessibleGroup *group)
    : QAccessibleObject(group)
{
}

AccessibleGroup *GroupAccessible::group() const
{
    return static_cast<AccessibleGroup *>(object());
}

QWidget *GroupAccessible::container() const
{
    return group() ? group()->container() : nullptr;
}

QString GroupAccessible::text(QAccessible::Text t) const
{
    if (group() && t == QAccessible::Name)
        return group()->name();
    if (group() && t == QAccessible::Description)
        return group()->description();
    return {};
}

QAccessible::State GroupAccessible::state() const
{
    QAccessible::State s;
    QWidget *c = container();
    s.invisible = !c || !c->isVisible() || group()->members().isEmpty();
    s.disabled = c && !c->isEnabled();
    return s;
}

QRect GroupAccessible::rect() const
{
    QWidget *c = container();
    return c ? QRect(c->mapToGlobal(QPoint(0, 0)), c->size()) : QRect();
}

QWindow *GroupAccessible::window() const
{
    QWidget *c = container();
    return c ? c->window()->windowHandle() : nullptr;
}

QAccessibleInterface *GroupAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(container());
}

int GroupAccessible::childCount() const
{
    return group() ? int(group()->members().size()) : 0;
}

QAccessibleInterface *GroupAccessible::child(int index) const
{
    return group() ? AccessibleControls::interfaceAt(group()->members(), index) : nullptr;
}

int GroupAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return group() ? AccessibleControls::indexIn(group()->members(), child) : -1;
}
