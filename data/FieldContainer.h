#pragma once

// What a field asks of the dataset that holds it: whether another field has
// a name already, and the name to say in a refusal. A dataset is one.

#include <QString>
#include <QStringView>

class TField;

class FieldContainer
{
public:
    virtual TField *FindField(QStringView fieldName) const = 0;
    virtual QString containerName() const = 0;

protected:
    ~FieldContainer() = default;
};
