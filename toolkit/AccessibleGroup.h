#pragma once

// A panel that assistive technology sees between a container and some of the
// container's controls, with a name and description of its own: a wizard
// gives each page one, named by the page's title. Which controls a group
// holds is fixed by the container (a page's group holds the page's
// elements), shown or hidden, so that a screen reader, which keeps the parent
// it once learnt of a control, never finds one elsewhere later; the focus
// moving from one page's control into another's then crosses into another
// group, whose name the screen reader speaks. Qt owns the group as a child of
// the container.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QAccessibleInterface;
class QWidget;

class AccessibleGroup : public QObject
{
    Q_OBJECT

public:
    // Whether the group holds `w`, a child of the container; the answer
    // must not change while w lives.
    using Holds = std::function<bool(const QWidget *w)>;
    AccessibleGroup(QWidget *container, Holds holds);
    ~AccessibleGroup() override;

    QWidget *container() const { return m_container; }
    QString name() const { return m_name; }
    QString description() const { return m_description; }
    // Names and describes the group, and says so where it changed.
    void describe(const QString &name, const QString &description);
    // The container's shown controls that stand inside the group.
    QList<QObject *> members() const;

    // The group that holds `w`, or null (w's parent is then the usual one).
    static AccessibleGroup *holding(const QWidget *w);
    // The interface of the group that holds `w`, or null.
    static QAccessibleInterface *groupAbove(const QWidget *w);
    // The children of `w` as assistive technology sees them: its groups that
    // hold a shown control, then the shown children that no group holds.
    static QList<QObject *> childrenOf(const QWidget *w);

private:
    QPointer<QWidget> m_container;
    Holds m_holds;
    QString m_name;
    QString m_description;
    bool m_told = false;
};
