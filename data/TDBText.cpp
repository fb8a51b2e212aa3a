#include "data/TDBText.h"

TDBText::TDBText(QObject *owner)
    : TLabel(owner)
    , FieldDataLink(this)
{
    SetAutoSize(false);
    SetCaption(QString());
}

bool TDBText::storesProperty(const char *name) const
{
    return qstrcmp(name, "Caption") != 0 && TLabel::storesProperty(name);
}

void TDBText::loaded()
{
    TLabel::loaded();
    dataLinkChanged();
}

void TDBText::dataLinkChanged()
{
    SetCaption(isDataActive() ? fieldText() : QString());
}
