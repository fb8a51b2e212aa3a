#include "toolkit/TRadioButton.h"

TRadioButton::TRadioButton(QObject *owner)
    : ControlWidget<QRadioButton>(owner)
{
    SetTabStop(true);
    setFocusable(true);
    resize(113, 17);
    // Qt's own exclusion looks at radio buttons nested anywhere below the
    // parent, so the siblings are cleared here instead.
    setAutoExclusive(false);
    connect(this, &QAbstractButton::toggled, this, [this](bool on) {
        if (!on || !parentWidget())
            return;
        for (QObject *o : parentWidget()->children()) {
            auto *b = qobject_cast<TRadioButton *>(o);
            if (b && b != this && b->isChecked())
                b->setChecked(false);
        }
    });
    // A click on a button that was checked already changes nothing.
    connect(this, &QAbstractButton::pressed, this, [this] { m_wasChecked = isChecked(); });
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (!m_wasChecked && isChecked())
            doClick();
    });
}

void TRadioButton::SetChecked(bool checked)
{
    setChecked(checked);
}

void TRadioButton::nextCheckState()
{
    if (!isChecked())
        setChecked(true);
}

void TRadioButton::SetAlignment(Tk::TAlignment alignment)
{
    m_alignment = alignment;
    setLayoutDirection(alignment == Tk::TAlignment::taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}
