#pragma once

// Connects a dataset to the grids and data-bound controls that show it, and
// a master table to its detail tables. It reports the state of its dataset
// and tells the controls when the dataset it stands for changes or goes.

#include "data/DataEnums.h"
#include "data/TDataSet.h"
#include "toolkit/Component.h"

#include <QObject>
#include <QPointer>

class TDataSource : public QObject, public Component
{
    Q_OBJECT
    Q_INTERFACES(Component)
    Q_PROPERTY(TDataSet *DataSet READ DataSet WRITE SetDataSet)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool AutoEdit READ AutoEdit WRITE SetAutoEdit)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)

public:
    explicit TDataSource(QObject *owner);

    TDataSet *DataSet() const;
    // Refuses a dataset whose master links lead back to this data source.
    void SetDataSet(TDataSet *dataSet);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    bool AutoEdit() const { return m_autoEdit; }
    void SetAutoEdit(bool autoEdit) { m_autoEdit = autoEdit; }
    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    // Inactive unless an enabled source has an open dataset.
    Db::TDataSetState State() const;

    // Raises EDatabaseError when linking `from` to `to` (a data source to its
    // dataset, a detail table to its master's data source) would close a
    // loop: following the links from `to` leads back to `from`.
    static void checkLink(const QObject *from, const QObject *to);

signals:
    // The dataset was replaced, freed, or the source enabled or disabled.
    void dataSetChanged();

private:
    QPointer<TDataSet> m_dataSet;
    QMetaObject::Connection m_destroyedConnection;
    bool m_enabled = true;
    bool m_autoEdit = true;
    int m_tag = 0;
};
