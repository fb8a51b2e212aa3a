#pragma once

// A persistent text field of a dataset, with the number of characters the
// column holds.

#include "data/TField.h"

class TStringField : public TField
{
    Q_OBJECT
    Q_PROPERTY(int Size READ Size WRITE SetSize)

public:
    explicit TStringField(QObject *owner);

    int Size() const { return m_size; }
    // A text field holds at least one character.
    void SetSize(int size);

protected:
    int defaultDisplayWidth() const override { return m_size; }

private:
    int m_size = 20;
};
