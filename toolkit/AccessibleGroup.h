#pragma once

// A panel that assistive technology sees between a container and the
// container's controls (a wizard's page area), named and described as the
// container is, so that a screen reader speaks it as the context of a focus
// that moves in from outside it. Qt owns it as a child of the container.

#include <QList>
#include <QObject>
#include <QPointer>

class QAccessibleInterface;
class QWidget;

class AccessibleGroup : public QObject
{
    Q_OBJECT

public:
    explicit AccessibleGroup(QWidget *container);
    ~AccessibleGroup() override;

    QWidget *container() const { return m_container; }
    // Tells assistive technology that the name and description of the
    // container, which the group carries, changed.
    void announce();
    // The container's shown controls that stand inside the group: those
    // whose interface is the toolkit's. Qt's own (scroll bars) stay beside it.
    QList<QObject *> members() const;

    // The group of `container`, or null.
    static AccessibleGroup *of(const QWidget *container);
    // The group that the interface of `w` has for parent, or null where w's
    // parent has no group (the usual parent then).
    static QAccessibleInterface *groupAbove(const QWidget *w);
    // The children of `w` as assistive technology sees them: its group
    // first, where it has one, then the shown children outside the group.
    static QList<QObject *> childrenOf(const QWidget *w);

private:
    QPointer<QWidget> m_container;
};
