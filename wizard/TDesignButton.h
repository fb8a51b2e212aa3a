#pragma once

// The bitmap button the wizard uses for its Change, Help, Back and Next
// buttons. It has no behaviour of its own beyond the bitmap button's.

#include "toolkit/TBitBtn.h"

class TDesignButton : public TBitBtn
{
    Q_OBJECT

public:
    explicit TDesignButton(QObject *owner);
};
