#include "wizard/TDesignButton.h"

TDesignButton::TDesignButton(QObject *owner)
    : TBitBtn(owner)
{
}
