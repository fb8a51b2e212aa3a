#include "data/TStringField.h"

#include "data/EDatabaseError.h"

TStringField::TStringField(QObject *owner)
    : TField(owner)
{
}

void TStringField::SetSize(int size)
{
    if (size < 1)
        throw EDatabaseError(QStringLiteral("%1: a text field holds at least one character, not %2").arg(name()).arg(size));
    m_size = size;
}
