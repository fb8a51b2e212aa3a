#pragma once

// An edit box bound to a field of a data source. While the data source's
// dataset is closed the box is blank; with no data source it is an ordinary
// edit box that starts empty and takes whatever is typed.

#include "data/FieldDataLink.h"
#include "toolkit/TEdit.h"

class TDBEdit : public TEdit, public FieldDataLink
{
    Q_OBJECT
    TK_FIELD_LINK

public:
    explicit TDBEdit(QObject *owner);

    // The text comes from the field, so it is never stored.
    bool storesProperty(const char *name) const override;

protected:
    void dataLinkChanged() override;
};
