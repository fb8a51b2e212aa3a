#include "wizard/TAJumpRadioBtn.h"

TAJumpRadioBtn::TAJumpRadioBtn(QObject *owner)
    : TRadioButton(owner)
    , m_element(this, this, true)
{
    resize(140, height());
    m_element.attach(owner);
}

QVariant TAJumpRadioBtn::JumpTarget(int page) const
{
    if (!Enabled() || !Checked())
        return {};
    return jumpTarget(page);
}
