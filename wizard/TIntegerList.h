#pragma once

// A list of 32-bit integers stored in a form definition as `Num` and `Data`:
// the wizard's button layout lists and its page history.

#include "wizard/PackedList.h"

#include <QList>

class TIntegerList : public PackedList
{
    Q_OBJECT

public:
    explicit TIntegerList(QObject *parent = nullptr);

    void Add(int value) { append({value}); }
    // Removes the entry at `index`; an index outside the list changes nothing.
    void Delete(int index);
    int Get(int index) const;
    void Put(int index, int value);

    QList<int> values() const;
    void setValues(const QList<int> &values);
};
