#pragma once

// A notebook's row of tabs as assistive technology sees it: page tabs with
// the press action, and none for the tabs of hidden pages.

#include <QAccessibleWidget>
#include <QHash>

class QTabBar;

class TabBarAccessible : public QAccessibleWidget
{
public:
    explicit TabBarAccessible(QTabBar *bar);
    ~TabBarAccessible() override;

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

private:
    QTabBar *bar() const;
    QList<int> shownTabs() const;

    // Tab index to the id of the interface made for it.
    mutable QHash<int, QAccessible::Id> m_tabs;
};
