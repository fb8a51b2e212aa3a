#pragma once

// A page element that is a bitmap button jumping to a wizard page when
// clicked: to JumpPage (jmAbsolut) or to the current page + JumpPage
// (jmRelativ), after its own click handling, recording the page it leaves in
// the wizard's history.

#include "toolkit/TBitBtn.h"
#include "wizard/JumpTarget.h"
#include "wizard/PageElement.h"

class TAJumpBitBtn : public TBitBtn, public ElementProtocol
{
    Q_OBJECT
    TK_PAGE_ELEMENT(TBitBtn)
    TK_JUMP_TARGET

public:
    explicit TAJumpBitBtn(QObject *owner);

    void Click() override;
};
