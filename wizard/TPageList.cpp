#include "wizard/TPageList.h"

TPageList::TPageList(QObject *parent)
    : PackedList(2, "NumPages", parent)
{
}

int TPageList::ShowPage(int index) const
{
    checkIndex(index);
    return field(index, 0);
}

int TPageList::NextStep(int index) const
{
    checkIndex(index);
    return field(index, 1);
}
