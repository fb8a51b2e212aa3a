#pragma once

// The wizard framework's persisted lists.

#include "wizard/TAposList.h"
#include "wizard/TIntegerList.h"
#include "wizard/TPageList.h"
