#include "toolkit/TRadioButton.h"

TRadioButton::TRadioButton(QObject *owner)
    : QRadioButton(nullptr)
    , Control(this, owner)
{
    SetTabStop(true);
    setFocusable(true);
    resize(113, 17);
    connect(this, &QAbstractButton::clicked, this, [this] { doClick(); });
}

void TRadioButton::SetChecked(bool checked)
{
    if (checked == isChecked())
        return;
    if (!checked) {
        // An exclusive button cannot be cleared directly.
        setAutoExclusive(false);
        setChecked(false);
        setAutoExclusive(true);
        return;
    }
    setChecked(true);
}

void TRadioButton::SetAlignment(Tk::TAlignment alignment)
{
    m_alignment = alignment;
    setLayoutDirection(alignment == Tk::TAlignment::taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}
