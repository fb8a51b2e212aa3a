#pragma once

// The per-page placements of a page element: for every page 0 .. NumPages the
// position (Left, Top) and whether the element is shown there (Shown = 1).
// Stored in a form definition as `NumApos` and `Data`.

#include "wizard/PackedList.h"

struct TApos {
    int Left = 0;
    int Top = 0;
    int Shown = 0;

    bool operator==(const TApos &) const = default;
};

class TAposList : public PackedList
{
    Q_OBJECT

public:
    explicit TAposList(QObject *parent = nullptr);

    void Add(const TApos &entry) { append({entry.Left, entry.Top, entry.Shown}); }
    // Removes the entry at `index`; an index outside the list changes nothing.
    void Delete(int index);
    TApos Get(int index) const;
    void Put(int index, const TApos &entry);
    // Appends (0, 0, 0) entries or drops entries from the end until there are n.
    void SetCount(int n) { resize(n); }
};
