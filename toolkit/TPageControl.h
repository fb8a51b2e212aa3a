#pragma once

// A notebook of TTabSheet sheets under a row of tabs. ActivePage is the sheet
// shown (none while its tab is hidden); SelectNextPage steps to the next
// sheet whose tab is shown. OnChanging may refuse a change the user makes,
// OnChange follows it; code that sets ActivePage raises neither.

#include "toolkit/NotebookHost.h"
#include "toolkit/TTabSheet.h"

class TPageControl : public NotebookHost
{
    Q_OBJECT
    TK_CONTROL
    Q_PROPERTY(TTabSheet *ActivePage READ ActivePage WRITE SetActivePage)
    Q_PROPERTY(int ActivePageIndex READ ActivePageIndex WRITE SetActivePageIndex STORED false)

Q_SIGNALS:
    void OnChange(QObject *Sender);
    void OnChanging(QObject *Sender, bool &AllowChange);

public:
    explicit TPageControl(QObject *owner);

    TTabSheet *ActivePage() const;
    // Throws std::invalid_argument for a sheet of another control.
    void SetActivePage(TTabSheet *sheet);
    int ActivePageIndex() const { return activeIndex(); }
    void SetActivePageIndex(int index) { setActiveIndex(index); }
    int PageCount() const { return pageCount(); }
    TTabSheet *Pages(int index) const;
    void SelectNextPage(bool forward) { selectNext(forward); }

protected:
    bool allowChange(int index) override;
    void changed() override;
};
