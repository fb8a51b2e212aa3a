#include "wizard/TIntegerList.h"

TIntegerList::TIntegerList(QObject *parent)
    : PackedList(1, "Num", parent)
{
}

void TIntegerList::Delete(int index)
{
    if (index >= 0 && index < Count())
        removeAt(index);
}

int TIntegerList::Get(int index) const
{
    checkIndex(index);
    return field(index, 0);
}

void TIntegerList::Put(int index, int value)
{
    checkIndex(index);
    if (field(index, 0) == value)
        return;
    setField(index, 0, value);
    emit changed();
}

QList<int> TIntegerList::values() const
{
    QList<int> list;
    for (int i = 0; i < Count(); ++i)
        list << field(i, 0);
    return list;
}

void TIntegerList::setValues(const QList<int> &values)
{
    resize(int(values.size()));
    for (int i = 0; i < values.size(); ++i)
        setField(i, 0, values[i]);
    emit changed();
}
