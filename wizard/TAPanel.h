#pragma once

// A page element that is a panel: shown, placed and re-parented per wizard
// page by its ShowContainer table.

#include "toolkit/TPanel.h"
#include "wizard/PageElement.h"

class TAPanel : public TPanel, public ElementProtocol
{
    Q_OBJECT
    TK_PAGE_ELEMENT(TPanel)

public:
    explicit TAPanel(QObject *owner);
};
