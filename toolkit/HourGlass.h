#pragma once

// Shows the hourglass over the whole application while it lives and puts
// back the cursor that was there before, also when a handler fails.

#include "toolkit/Enums.h"

class HourGlass
{
public:
    HourGlass();
    ~HourGlass();
    HourGlass(const HourGlass &) = delete;
    HourGlass &operator=(const HourGlass &) = delete;

private:
    Tk::TCursor m_before;
};
