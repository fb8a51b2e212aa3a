#pragma once

// A page element that is a plain box holding other controls: shown, placed
// and re-parented per wizard page by its ShowContainer table.

#include "toolkit/ControlWidget.h"
#include "wizard/PageElement.h"

#include <QWidget>

class TABox : public ControlWidget<QWidget>, public ElementProtocol
{
    Q_OBJECT
    TK_CONTROL
    TK_PAGE_ELEMENT(Control)

public:
    explicit TABox(QObject *owner);

    bool storesProperty(const char *name) const override;
};
