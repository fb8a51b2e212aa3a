#include "toolkit/TTabPage.h"

TTabPage::TTabPage(QObject *owner)
    : NotebookPage(owner)
{
}
