#pragma once

// A page element that is a radio button choosing where the wizard's Next
// goes: while it is enabled and checked, Next leads to JumpPage (jmAbsolut)
// or to the current page + JumpPage (jmRelativ). Checking it does nothing by
// itself.

#include "toolkit/TRadioButton.h"
#include "wizard/JumpTarget.h"
#include "wizard/PageElement.h"

#include <QVariant>

class TAJumpRadioBtn : public TRadioButton
{
    Q_OBJECT
    TK_PAGE_ELEMENT(TRadioButton)
    TK_JUMP_TARGET

public:
    explicit TAJumpRadioBtn(QObject *owner);

    // The page Next goes to from `page` when this button decides it, else
    // an empty value. Asked by the wizard by name.
    Q_INVOKABLE QVariant JumpTarget(int page) const;
};
