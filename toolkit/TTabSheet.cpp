#include "toolkit/TTabSheet.h"

#include "toolkit/TPageControl.h"

TTabSheet::TTabSheet(QObject *owner)
    : NotebookPage(owner)
{
}

TPageControl *TTabSheet::PageControl() const
{
    return qobject_cast<TPageControl *>(host());
}
