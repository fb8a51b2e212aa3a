#include "data/TDBEdit.h"

TDBEdit::TDBEdit(QObject *owner)
    : TEdit(owner)
    , FieldDataLink(this)
{
}

bool TDBEdit::storesProperty(const char *name) const
{
    return qstrcmp(name, "Text") != 0 && TEdit::storesProperty(name);
}

void TDBEdit::dataLinkChanged()
{
    // Without a data source the box keeps what was typed into it.
    if (isDataActive())
        SetText(fieldText());
    else if (DataSource())
        SetText(QString());
}
