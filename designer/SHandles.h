#pragma once

// The stretch handles unit: the handle that moves and resizes controls at run
// time, and the failure of attaching it to a form.

#include "designer/EBadChild.h"
#include "designer/TStretchHandle.h"
