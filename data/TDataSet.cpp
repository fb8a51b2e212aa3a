#include "data/TDataSet.h"

#include "data/DatabaseAliases.h"
#include "data/DbNames.h"
#include "data/EDatabaseError.h"
#include "data/TField.h"

TDataSet::TDataSet(QObject *owner)
    : QObject(nullptr)
    , Component(this, owner)
{
}

TDataSet::~TDataSet()
{
    for (const QPointer<TField> &field : std::as_const(m_fields)) {
        if (field)
            field->setDataSet(nullptr, nullptr);
    }
}

void TDataSet::SetDatabaseName(const QString &alias)
{
    m_databaseName = alias;
}

void TDataSet::SetActive(bool active)
{
    if (active)
        Open();
    else
        Close();
}

void TDataSet::Open()
{
    // There is no database behind any alias: say which one was asked for.
    throw EDatabaseError(DatabaseAliases::openRefusal(openTarget(), m_databaseName));
}

void TDataSet::Close()
{
}

Db::TDataSetState TDataSet::State() const
{
    return Db::TDataSetState::dsInactive;
}

QString TDataSet::openTarget() const
{
    return name();
}

int TDataSet::FieldCount() const
{
    return int(Fields().size());
}

QList<TField *> TDataSet::Fields() const
{
    QList<TField *> list;
    // A field that was freed leaves the list at once, before it is deleted.
    for (const QPointer<TField> &field : m_fields) {
        if (field && !field->isDestroying())
            list << field.data();
    }
    return list;
}

TField *TDataSet::FindField(QStringView fieldName) const
{
    for (TField *field : Fields()) {
        if (DbNames::sameField(field->FieldName(), fieldName))
            return field;
    }
    return nullptr;
}

TField *TDataSet::FieldByName(const QString &fieldName) const
{
    TField *field = FindField(fieldName);
    if (!field)
        throw EDatabaseError(QStringLiteral("%1: Field '%2' not found").arg(name(), fieldName));
    return field;
}

bool TDataSet::acceptChild(QObject *child)
{
    auto *field = qobject_cast<TField *>(child);
    if (!field)
        return false;
    field->setDataSet(this, this);
    m_fields.append(field);
    return true;
}

bool TDataSet::storesProperty(const char *name) const
{
    // A dataset is always stored closed; Active = true is refused on reading.
    return qstrcmp(name, "Active") != 0;
}
