#pragma once

// A page element that is a group box: shown, placed and re-parented per wizard
// page by its ShowContainer table.

#include "toolkit/TGroupBox.h"
#include "wizard/PageElement.h"

class TAGroupBox : public TGroupBox, public ElementProtocol
{
    Q_OBJECT
    TK_PAGE_ELEMENT(TGroupBox)

public:
    explicit TAGroupBox(QObject *owner);
};
