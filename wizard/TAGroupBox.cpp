#include "wizard/TAGroupBox.h"

TAGroupBox::TAGroupBox(QObject *owner)
    : TGroupBox(owner)
    , m_element(this, this, true)
{
    SetTabStop(false);
    m_element.attach(owner);
}
