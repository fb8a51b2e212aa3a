#pragma once

// What a data-aware control keeps of its binding: the data source it names
// and the field it shows. The control derives from this beside its widget
// and is told through dataLinkChanged() whenever either changes or the data
// source's dataset is replaced or freed, so that it can refresh.
//
// A control that shows one field puts TK_FIELD_LINK after Q_OBJECT to publish
// DataField and DataSource.

#include "data/TDataSource.h"

#include <QMetaObject>
#include <QPointer>
#include <QString>

#define TK_FIELD_LINK                                                                                               \
    Q_PROPERTY(QString DataField READ DataField WRITE SetDataField)                                                 \
    Q_PROPERTY(TDataSource *DataSource READ DataSource WRITE SetDataSource)

class FieldDataLink
{
public:
    // `self` is the control; its lifetime bounds the connections.
    explicit FieldDataLink(QObject *self);
    virtual ~FieldDataLink();
    FieldDataLink(const FieldDataLink &) = delete;
    FieldDataLink &operator=(const FieldDataLink &) = delete;

    TDataSource *DataSource() const;
    void SetDataSource(TDataSource *source);
    QString DataField() const { return m_dataField; }
    void SetDataField(const QString &field);

    // Whether the source is enabled and its dataset open.
    bool isDataActive() const;
    // The text of the bound field in the current record; blank while the
    // dataset is closed, which it always is here.
    QString fieldText() const;

protected:
    virtual void dataLinkChanged() = 0;

private:
    void disconnectSource();

    QObject *m_self;
    QPointer<TDataSource> m_source;
    QString m_dataField;
    QMetaObject::Connection m_sourceChanged;
    QMetaObject::Connection m_sourceDestroyed;
};
