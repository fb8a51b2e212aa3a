#pragma once

// The wizard control and its button descriptors and buttons.

#include "wizard/TAssistent.h"
#include "wizard/TButtonData.h"
#include "wizard/TDesignButton.h"
