#pragma once

// What tables and queries share: the database alias they are declared on, the
// Active flag, their persistent fields, and the refusal to open. No database
// is available in the demonstration, so a dataset is never open: activating
// one raises EDatabaseError, and a definition that stores a dataset active is
// refused when it is loaded.

#include "data/DataEnums.h"
#include "data/FieldContainer.h"
#include "toolkit/Component.h"

#include <QList>
#include <QObject>
#include <QPointer>

class TField;

class TDataSet : public QObject, public Component, public FieldContainer
{
    Q_OBJECT
    Q_INTERFACES(Component)
    Q_PROPERTY(QString DatabaseName READ DatabaseName WRITE SetDatabaseName)
    Q_PROPERTY(bool Active READ Active WRITE SetActive)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)

public:
    ~TDataSet() override;

    // The alias as the definition writes it (lookup ignores its case).
    QString DatabaseName() const { return m_databaseName; }
    void SetDatabaseName(const QString &alias);
    // Always false: no dataset can be opened here.
    bool Active() const { return false; }
    // True raises EDatabaseError (while loading too); false closes, which
    // leaves a closed dataset as it is.
    void SetActive(bool active);
    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    Q_INVOKABLE void Open();
    Q_INVOKABLE void Close();
    Db::TDataSetState State() const;

    // The persistent fields in declaration order.
    int FieldCount() const;
    QList<TField *> Fields() const;
    // Matched ignoring letter case; FindField gives null where FieldByName
    // raises EDatabaseError.
    TField *FindField(QStringView fieldName) const override;
    TField *FieldByName(const QString &fieldName) const;

    // The data source of a master dataset this one follows, if any.
    virtual QObject *masterLink() const { return nullptr; }

    bool acceptChild(QObject *child) override;
    bool storesProperty(const char *name) const override;
    QString containerName() const override { return name(); }

protected:
    explicit TDataSet(QObject *owner);
    // What the refusal names: "Query1" or "Table OWNER".
    virtual QString openTarget() const;

private:
    QString m_databaseName;
    int m_tag = 0;
    QList<QPointer<TField>> m_fields;
};
