#include "wizard/TAPanel.h"

TAPanel::TAPanel(QObject *owner)
    : TPanel(owner)
    , m_element(this, this, true)
{
    m_element.attach(owner);
}
