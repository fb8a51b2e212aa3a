#include "data/TDataSource.h"

#include "data/EDatabaseError.h"

#include <QSet>

TDataSource::TDataSource(QObject *owner)
    : QObject(nullptr)
    , Component(this, owner)
{
}

TDataSet *TDataSource::DataSet() const
{
    return m_dataSet;
}

void TDataSource::SetDataSet(TDataSet *dataSet)
{
    if (dataSet == m_dataSet)
        return;
    checkLink(this, dataSet);
    QObject::disconnect(m_destroyedConnection);
    m_dataSet = dataSet;
    if (dataSet)
        m_destroyedConnection = connect(dataSet, &QObject::destroyed, this, &TDataSource::dataSetChanged);
    emit dataSetChanged();
}

void TDataSource::SetEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    emit dataSetChanged();
}

Db::TDataSetState TDataSource::State() const
{
    if (!m_enabled || !m_dataSet)
        return Db::TDataSetState::dsInactive;
    return m_dataSet->State();
}

void TDataSource::checkLink(const QObject *from, const QObject *to)
{
    // Every source and table links to at most one object, so the links from
    // `to` form a chain; `seen` stops it on a loop that is already there.
    QSet<const QObject *> seen;
    for (const QObject *o = to; o && !seen.contains(o);) {
        if (o == from)
            throw EDatabaseError(QStringLiteral("%1: Circular datalinks are not allowed").arg(from->objectName()));
        seen.insert(o);
        if (const auto *source = qobject_cast<const TDataSource *>(o))
            o = source->DataSet();
        else if (const auto *dataSet = qobject_cast<const TDataSet *>(o))
            o = dataSet->masterLink();
        else
            o = nullptr;
    }
}
