#pragma once

// The wizard's step table: entry i describes step i + 1 as the page shown
// there (ShowPage, -1 = finish) and what Next does from it (NextStep: -3 the
// checked jump radio button decides, -2 last step, -1 the next step after
// asking, any other value that step). Stored in a form definition as
// `NumPages` and `Data`; a way list is only ever supplied by a definition.

#include "wizard/PackedList.h"

class TPageList : public PackedList
{
    Q_OBJECT

public:
    explicit TPageList(QObject *parent = nullptr);

    int ShowPage(int index) const;
    int NextStep(int index) const;
};
