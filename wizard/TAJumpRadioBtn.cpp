#include "wizard/TAJumpRadioBtn.h"

TAJumpRadioBtn::TAJumpRadioBtn(QObject *owner)
    : TRadioButton(owner)
    , m_element(this, this, true)
{
    resize(140, height());
    m_element.attach(owner);
}

std::optional<int> TAJumpRadioBtn::nextTarget(int page) const
{
    if (!Enabled() || !Checked())
        return std::nullopt;
    return jumpTarget(page);
}
