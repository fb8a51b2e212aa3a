#pragma once

// The check list box unit: a list box with a check box on every line.

#include "designer/TCheckListBox.h"
