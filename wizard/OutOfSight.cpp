#include "wizard/OutOfSight.h"

#include "toolkit/Control.h"

void OutOfSight::park(Control &c)
{
    if (c.Enabled())
        c.SetEnabled(false);
    if (c.Left() != Left)
        c.SetLeft(Left);
}
