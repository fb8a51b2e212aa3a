#pragma once

// The page elements and the form host.

#include "wizard/TABox.h"
#include "wizard/TAForm.h"
#include "wizard/TAGroupBox.h"
#include "wizard/TAImage.h"
#include "wizard/TAJumpBitBtn.h"
#include "wizard/TAJumpRadioBtn.h"
#include "wizard/TAPanel.h"
