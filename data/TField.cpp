#include "data/TField.h"

#include "data/EDatabaseError.h"
#include "data/TDataSet.h"

TField::TField(QObject *owner)
    : QObject(nullptr)
    , Component(this, owner)
{
}

TField::~TField()
{
    if (m_dataSet)
        m_dataSet->removeField(this);
}

void TField::SetFieldName(const QString &name)
{
    if (m_dataSet) {
        TField *other = m_dataSet->FindField(name);
        if (other && other != this)
            throw EDatabaseError(QStringLiteral("%1: the field name %2 is used twice").arg(m_dataSet->name(), name));
    }
    m_fieldName = name;
}

TDataSet *TField::DataSet() const
{
    return m_dataSet;
}

void TField::setDataSet(TDataSet *dataSet)
{
    m_dataSet = dataSet;
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
