#pragma once

// A page element that is a radio button choosing where the wizard's Next
// goes: while it is enabled and checked, Next leads to JumpPage (jmAbsolut)
// or to the current page + JumpPage (jmRelativ). Checking it does nothing by
// itself.

#include "toolkit/TRadioButton.h"
#include "wizard/JumpTarget.h"
#include "wizard/PageElement.h"


class TAJumpRadioBtn : public TRadioButton, public ElementProtocol
{
    Q_OBJECT
    TK_PAGE_ELEMENT(TRadioButton)
    TK_JUMP_TARGET

public:
    explicit TAJumpRadioBtn(QObject *owner);

    // The page Next goes to from `page` while this button is enabled and
    // checked.
    std::optional<int> nextTarget(int page) const override;
};
