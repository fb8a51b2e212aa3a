#include "wizard/TAposList.h"

TAposList::TAposList(QObject *parent)
    : PackedList(3, "NumApos", parent)
{
}

void TAposList::Delete(int index)
{
    if (index >= 0 && index < Count())
        removeAt(index);
}

TApos TAposList::Get(int index) const
{
    checkIndex(index);
    return {field(index, 0), field(index, 1), field(index, 2)};
}

void TAposList::Put(int index, const TApos &entry)
{
    checkIndex(index);
    if (Get(index) == entry)
        return;
    setField(index, 0, entry.Left);
    setField(index, 1, entry.Top);
    setField(index, 2, entry.Shown);
    emit changed();
}
