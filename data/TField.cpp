#include "data/TField.h"

#include "data/EDatabaseError.h"

TField::TField(QObject *owner)
    : QObject(nullptr)
    , Component(this, owner)
{
}

TField::~TField() = default;

void TField::SetFieldName(const QString &name)
{
    if (m_dataSet && m_container) {
        TField *other = m_container->FindField(name);
        if (other && other != this)
            throw EDatabaseError(QStringLiteral("%1: the field name %2 is used twice").arg(m_container->containerName(), name));
    }
    m_fieldName = name;
}

void TField::setDataSet(QObject *dataSet, const FieldContainer *container)
{
    m_dataSet = dataSet;
    m_container = dataSet ? container : nullptr;
}

QObject *TField::definitionParent() const
{
    return m_dataSet;
}

bool TField::storesProperty(const char *name) const
{
    // A label or width that only repeats the default is not stored.
    if (qstrcmp(name, "DisplayLabel") == 0)
        return !m_displayLabel.isEmpty();
    if (qstrcmp(name, "DisplayWidth") == 0)
        return m_displayWidth > 0;
    return true;
}
