#pragma once

// A label that shows the value of a field of a data source's current record;
// blank while the dataset is closed or no data source is named. It does not
// size itself to its text unless AutoSize is set.

#include "data/FieldDataLink.h"
#include "toolkit/TLabel.h"

class TDBText : public TLabel, public FieldDataLink
{
    Q_OBJECT
    TK_FIELD_LINK

public:
    explicit TDBText(QObject *owner);

    // The caption comes from the field, so it is never stored.
    bool storesProperty(const char *name) const override;
    void loaded() override;

protected:
    void dataLinkChanged() override;
};
