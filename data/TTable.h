#pragma once

// A table declared on a database alias: its table file, the ordered list of
// fields it is indexed on, and, for a detail table, the data source of its
// master and the master fields that select its records.

#include "data/TDataSet.h"
#include "data/TDataSource.h"

class TTable : public TDataSet
{
    Q_OBJECT
    Q_PROPERTY(QString TableName READ TableName WRITE SetTableName)
    Q_PROPERTY(QString IndexFieldNames READ IndexFieldNames WRITE SetIndexFieldNames)
    Q_PROPERTY(TDataSource *MasterSource READ MasterSource WRITE SetMasterSource)
    Q_PROPERTY(QString MasterFields READ MasterFields WRITE SetMasterFields)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)

public:
    explicit TTable(QObject *owner);

    // The name as written; without an extension it means the table file of
    // that name (see tableFileName()).
    QString TableName() const { return m_tableName; }
    void SetTableName(const QString &table) { m_tableName = table; }
    QString tableFileName() const;
    // Semicolon-separated, in index order, as written.
    QString IndexFieldNames() const { return m_indexFieldNames; }
    void SetIndexFieldNames(const QString &fields) { m_indexFieldNames = fields; }
    QStringList indexFields() const;
    // Whether the table is indexed on `fields` (ignoring case, order counts).
    bool isIndexedOn(const QString &fields) const;

    TDataSource *MasterSource() const;
    // Refuses a data source that leads back to this table.
    void SetMasterSource(TDataSource *source);
    QString MasterFields() const { return m_masterFields; }
    void SetMasterFields(const QString &fields) { m_masterFields = fields; }
    QStringList masterFields() const;
    QObject *masterLink() const override;
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }

protected:
    QString openTarget() const override;

private:
    QString m_tableName;
    QString m_indexFieldNames;
    QPointer<TDataSource> m_masterSource;
    QString m_masterFields;
    bool m_readOnly = false;
};
