#pragma once

// What the two notebooks share: a row of tabs over a page area, one page per
// tab in page order, one active page shown at a time. The pages are child
// controls of the notebook; a page whose tab is hidden is never shown. A tab
// clicked by the user can be refused (allowChange) before it becomes active.

#include "toolkit/ControlWidget.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class NotebookPage;
class QTabBar;

class NotebookHost : public ControlWidget<QWidget>
{
    Q_OBJECT

public:
    explicit NotebookHost(QObject *owner);
    ~NotebookHost() override;

    int pageCount() const;
    NotebookPage *page(int index) const;
    int indexOf(const NotebookPage *page) const;
    // -1 when there is no active page.
    int activeIndex() const { return m_active; }
    // Makes a page active by code: no change events.
    void setActiveIndex(int index);
    // The next (or previous) page whose tab is shown, round from the last to
    // the first; the change is announced as a user's would be. Nothing
    // happens when no other page has its tab shown.
    void selectNext(bool forward);

    // The page area.
    QRect clientRect() const override;
    QTabBar *tabBar() const;

    // Moves a page to position `index` among the pages.
    void movePage(NotebookPage *page, int index);

    void loaded() override;

protected:
    // A user's change to page `index`: false keeps the current page.
    virtual bool allowChange(int index);
    virtual void changed();
    // Tabs share the row's width evenly when above 0.
    void setTabsPerRow(int count);
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void boundsChanged() override;
    void childEvent(QChildEvent *event) override;

private:
    // Pages come and go as children of the notebook.
    void addPage(NotebookPage *page);
    void pagesChanged();
    void userChange(int index);
    void syncTabs();
    void layoutPages();
    void showActive();
    // Drops the pages that are gone, and `leaving`.
    void prune(const QObject *leaving = nullptr);

    class PageTabBar *m_tabBar;
    QList<QPointer<NotebookPage>> m_pages;
    int m_active = -1;
    int m_syncing = 0;
};
