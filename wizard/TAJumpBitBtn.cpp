#include "wizard/TAJumpBitBtn.h"

#include "toolkit/Application.h"

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
    if (!w || !handlersEnabled())
        return;
    // The click comes from the event loop; a failing page change becomes a
    // message there instead of ending the program.
    try {
        w->JumpTo(jumpTarget(w->Page()));
    } catch (const std::exception &e) {
        Application::handleException(QString::fromUtf8(e.what()));
    }
}
