#include "wizard/TABox.h"

TABox::TABox(QObject *owner)
    : ControlWidget<QWidget>(owner)
    , m_element(this, this, true)
{
    setFocusable(false);
    resize(50, 50);
    m_element.attach(owner);
}

bool TABox::storesProperty(const char *name) const
{
    // A box has no enabled state of its own worth storing; pages set it.
    if (qstrcmp(name, "Enabled") == 0)
        return false;
    return Control::storesProperty(name);
}
