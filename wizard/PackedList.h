#pragma once

// The storage shared by the wizard framework's persisted lists: entries of a
// fixed number of signed 32-bit fields, stored in a form definition as a count
// and, when the count is above 0, one block of little-endian bytes.

#include "toolkit/Persistent.h"

#include <QByteArray>
#include <QObject>

#include <vector>

class PackedList : public QObject, public Persistent
{
    Q_OBJECT

public:
    // More entries than any page table or layout list needs; a stored count
    // above it is refused rather than allocated.
    static constexpr int MaxCount = 1 << 20;

    int Count() const { return int(m_values.size()) / m_fields; }
    void Clear();

    // Stores the list under `countName` (always) and `dataName` (only when
    // the list is not empty).
    void defineAs(Filer &filer, const QByteArray &countName, const QByteArray &dataName);
    void defineProperties(Filer &filer) override;

    // The little-endian bytes of `values`, and back; unpack throws
    // std::invalid_argument when the bytes do not hold exactly `count`
    // entries of `fields` integers.
    static QByteArray pack(const std::vector<qint32> &values);
    static std::vector<qint32> unpack(const QByteArray &bytes, int count, int fields);

signals:
    void changed();

protected:
    PackedList(int fields, const QByteArray &countName, QObject *parent);

    // Throws std::out_of_range for an index outside 0 .. Count - 1.
    void checkIndex(int index) const;
    qint32 field(int index, int f) const { return m_values[size_t(index * m_fields + f)]; }
    void setField(int index, int f, qint32 value) { m_values[size_t(index * m_fields + f)] = value; }
    void append(std::initializer_list<qint32> entry);
    void removeAt(int index);
    // Appends zero entries or drops entries from the end until there are n.
    void resize(int n);

private:
    void readCount(qint64 count);
    void readData(const QByteArray &bytes);

    std::vector<qint32> m_values;
    int m_fields;
    QByteArray m_countName;
};
