#include "wizard/TAJumpBitBtn.h"

TAJumpBitBtn::TAJumpBitBtn(QObject *owner)
    : TBitBtn(owner)
    , m_element(this, this, true)
{
    m_element.attach(owner);
}

void TAJumpBitBtn::Click()
{
    TBitBtn::Click();
    TAssistent *w = m_element.wizard();
    if (w && handlersEnabled())
        w->JumpTo(jumpTarget(w->Page()));
}
