#include "toolkit/TCheckBox.h"

TCheckBox::TCheckBox(QObject *owner)
    : ControlWidget<QCheckBox>(owner)
{
    SetTabStop(true);
    setFocusable(true);
    resize(97, 17);
    connect(this, &QAbstractButton::clicked, this, [this] { doClick(); });
}

Tk::TCheckBoxState TCheckBox::State() const
{
    switch (checkState()) {
    case Qt::Checked: return Tk::TCheckBoxState::cbChecked;
    case Qt::PartiallyChecked: return Tk::TCheckBoxState::cbGrayed;
    default: return Tk::TCheckBoxState::cbUnchecked;
    }
}

void TCheckBox::SetState(Tk::TCheckBoxState state)
{
    switch (state) {
    case Tk::TCheckBoxState::cbChecked: setCheckState(Qt::Checked); break;
    case Tk::TCheckBoxState::cbGrayed: setCheckState(Qt::PartiallyChecked); break;
    case Tk::TCheckBoxState::cbUnchecked: setCheckState(Qt::Unchecked); break;
    }
}

void TCheckBox::SetAlignment(Tk::TAlignment alignment)
{
    m_alignment = alignment;
    setLayoutDirection(alignment == Tk::TAlignment::taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}
