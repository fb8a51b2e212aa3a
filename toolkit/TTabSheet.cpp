#include "toolkit/TTabSheet.h"

#include "toolkit/NotebookHost.h"

TTabSheet::TTabSheet(QObject *owner)
    : NotebookPage(owner)
{
}

NotebookHost *TTabSheet::PageControl() const
{
    return inNotebook() ? qobject_cast<NotebookHost *>(parentWidget()) : nullptr;
}

int TTabSheet::PageIndex() const
{
    const NotebookHost *host = PageControl();
    return host ? host->indexOf(this) : -1;
}

void TTabSheet::SetPageIndex(int index)
{
    if (NotebookHost *host = PageControl())
        host->movePage(this, index);
}
