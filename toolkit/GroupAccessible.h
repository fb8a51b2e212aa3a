#pragma once

// How assistive technology sees an AccessibleGroup: a panel with the group's
// name and description and its container's place, shown while it holds a
// shown control.

#include <QAccessibleObject>

class AccessibleGroup;

class GroupAccessible : public QAccessibleObject
{
public:
    explicit GroupAccessible(AccessibleGroup *group);

    QAccessible::Role role() const override { return QAccessible::Pane; }
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QRect rect() const override;
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

private:
    AccessibleGroup *group() const;
    QWidget *container() const;
};
