#include "data/DataCatalogue.h"

#include "data/DatabaseAliases.h"
#include "data/TBatchMove.h"
#include "data/TDataSource.h"
#include "data/TField.h"
#include "data/TQuery.h"
#include "data/TTable.h"
#include "toolkit/Component.h"

#include <QVariant>

namespace {

QString nameOf(const QObject *o)
{
    return o ? o->objectName() : QString();
}

QList<QObject *> componentsOf(const QObject *form)
{
    QList<QObject *> list;
    if (const Component *root = Component::from(form)) {
        for (const QPointer<QObject> &p : root->componentSnapshot()) {
            if (p)
                list << p.data();
        }
    }
    return list;
}

// The data source a component is bound through, if it has a DataSource.
TDataSource *boundSource(const QObject *o)
{
    if (o->metaObject()->indexOfProperty("DataSource") < 0)
        return nullptr;
    return qobject_cast<TDataSource *>(o->property("DataSource").value<QObject *>());
}

void describeDataSet(const TDataSet *ds, const QList<QObject *> &components, DataCatalogue::Entry &e)
{
    e.alias = ds->DatabaseName();
    e.database = DatabaseAliases::canonical(e.alias);
    e.active = ds->Active();
    for (const TField *f : ds->Fields())
        e.fields << f->FieldName();
    for (QObject *o : components) {
        auto *source = qobject_cast<TDataSource *>(o);
        if (!source || source->DataSet() != ds)
            continue;
        e.dataSources << source->objectName();
        for (QObject *c : components) {
            if (boundSource(c) != source)
                continue;
            const QString field = c->property("DataField").toString();
            e.boundControls << (field.isEmpty() ? c->objectName() : c->objectName() + u'.' + field);
        }
    }
}

} // namespace

QString DataCatalogue::kindName(Kind kind)
{
    switch (kind) {
    case Kind::Table: return QStringLiteral("table");
    case Kind::Query: return QStringLiteral("query");
    case Kind::BatchMove: return QStringLiteral("batch move");
    case Kind::DataSource: return QStringLiteral("data source");
    }
    return QString();
}

QList<DataCatalogue::Entry> DataCatalogue::entries(const QObject *form)
{
    const QList<QObject *> components = componentsOf(form);
    QList<Entry> list;
    for (QObject *o : components) {
        Entry e;
        e.name = o->objectName();
        if (auto *table = qobject_cast<TTable *>(o)) {
            e.kind = Kind::Table;
            e.table = table->TableName();
            e.indexFields = table->indexFields();
            e.masterSource = nameOf(table->MasterSource());
            e.masterFields = table->masterFields();
            describeDataSet(table, components, e);
        } else if (auto *query = qobject_cast<TQuery *>(o)) {
            e.kind = Kind::Query;
            e.sql = query->SQL();
            e.requestLive = query->RequestLive();
            e.uniDirectional = query->UniDirectional();
            describeDataSet(query, components, e);
        } else if (auto *move = qobject_cast<TBatchMove *>(o)) {
            e.kind = Kind::BatchMove;
            e.source = nameOf(move->Source());
            e.destination = nameOf(move->Destination());
            e.recordCount = move->RecordCount();
            e.abortOnKeyViol = move->AbortOnKeyViol();
            e.abortOnProblem = move->AbortOnProblem();
        } else if (auto *source = qobject_cast<TDataSource *>(o)) {
            e.kind = Kind::DataSource;
            e.dataSet = nameOf(source->DataSet());
        } else {
            continue;
        }
        list << e;
    }
    return list;
}

std::optional<DataCatalogue::Entry> DataCatalogue::find(const QObject *form, QStringView name)
{
    for (const Entry &e : entries(form)) {
        if (QStringView(e.name).compare(name, Qt::CaseInsensitive) == 0)
            return e;
    }
    return std::nullopt;
}

QStringList DataCatalogue::openDataSets(const QObject *form)
{
    QStringList open;
    for (QObject *o : componentsOf(form)) {
        if (auto *ds = qobject_cast<TDataSet *>(o); ds && ds->Active())
            open << ds->objectName();
    }
    return open;
}
