#pragma once

// A page element that is an image: shown, placed and re-parented per wizard
// page by its ShowContainer table.

#include "toolkit/TImage.h"
#include "wizard/PageElement.h"

class TAImage : public TImage, public ElementProtocol
{
    Q_OBJECT
    TK_PAGE_ELEMENT(TImage)

public:
    explicit TAImage(QObject *owner);
};
