#pragma once

// A notebook of TTabPage pages under a row of tabs. PageIndex and ActivePage
// (the caption of the active page) choose the page shown; TabsPerRow tabs
// share the row's width. OnChange may refuse a tab the user picks.

#include "toolkit/NotebookHost.h"
#include "toolkit/TFont.h"

class TTabbedNotebook : public NotebookHost
{
    Q_OBJECT
    TK_CONTROL
    Q_PROPERTY(int PageIndex READ PageIndex WRITE SetPageIndex)
    Q_PROPERTY(QString ActivePage READ ActivePage WRITE SetActivePage STORED false)
    Q_PROPERTY(int TabsPerRow READ TabsPerRow WRITE SetTabsPerRow)
    Q_PROPERTY(TFont *TabFont READ TabFont)

Q_SIGNALS:
    void OnChange(QObject *Sender, int NewTab, bool &AllowChange);

public:
    explicit TTabbedNotebook(QObject *owner);

    int PageIndex() const { return activeIndex(); }
    void SetPageIndex(int index) { setActiveIndex(index); }
    // Throws std::invalid_argument when no page has that caption.
    QString ActivePage() const;
    void SetActivePage(const QString &caption);
    int TabsPerRow() const { return m_tabsPerRow; }
    void SetTabsPerRow(int count);
    TFont *TabFont() const { return m_tabFont; }
    // The captions of the pages, in page order.
    QStringList Pages() const;

protected:
    bool allowChange(int index) override;

private:
    int m_tabsPerRow = 3;
    TFont *m_tabFont;
};
