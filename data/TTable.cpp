#include "data/TTable.h"

#include "data/DbNames.h"
#include "data/TDataSource.h"

TTable::TTable(QObject *owner)
    : TDataSet(owner)
{
}

QString TTable::tableFileName() const
{
    return DbNames::tableFileName(m_tableName);
}

QStringList TTable::indexFields() const
{
    return DbNames::splitFieldList(m_indexFieldNames);
}

bool TTable::isIndexedOn(const QString &fields) const
{
    return !indexFields().isEmpty() && DbNames::sameFieldList(m_indexFieldNames, fields);
}

TDataSource *TTable::MasterSource() const
{
    return m_masterSource;
}

QObject *TTable::masterLink() const
{
    return m_masterSource;
}

void TTable::SetMasterSource(TDataSource *source)
{
    TDataSource::checkLink(this, source);
    m_masterSource = source;
}

QStringList TTable::masterFields() const
{
    return DbNames::splitFieldList(m_masterFields);
}

QString TTable::openTarget() const
{
    return m_tableName.isEmpty() ? name() : QStringLiteral("%1 (table %2)").arg(name(), m_tableName);
}
