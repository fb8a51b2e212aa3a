#include "wizard/PackedList.h"

#include "toolkit/Filer.h"

#include <QtEndian>

#include <stdexcept>

PackedList::PackedList(int fields, const QByteArray &countName, QObject *parent)
    : QObject(parent)
    , m_fields(fields)
    , m_countName(countName)
{
    Q_ASSERT(fields > 0);
}

void PackedList::Clear()
{
    if (m_values.empty())
        return;
    m_values.clear();
    emit changed();
}

void PackedList::checkIndex(int index) const
{
    if (index < 0 || index >= Count())
        throw std::out_of_range(QStringLiteral("list index out of bounds (%1 of %2 entries)")
                                    .arg(index)
                                    .arg(Count())
                                    .toStdString());
}

void PackedList::append(std::initializer_list<qint32> entry)
{
    Q_ASSERT(int(entry.size()) == m_fields);
    m_values.insert(m_values.end(), entry);
    emit changed();
}

void PackedList::removeAt(int index)
{
    const auto first = m_values.begin() + index * m_fields;
    m_values.erase(first, first + m_fields);
    emit changed();
}

void PackedList::resize(int n)
{
    n = std::max(0, n);
    if (n == Count())
        return;
    m_values.resize(size_t(n) * size_t(m_fields), 0);
    emit changed();
}

void PackedList::defineProperties(Filer &filer)
{
    defineAs(filer, m_countName, "Data");
}

void PackedList::defineAs(Filer &filer, const QByteArray &countName, const QByteArray &dataName)
{
    filer.defineInteger(countName, [this](qint64 v) { readCount(v); }, [this] { return qint64(Count()); }, true);
    filer.defineBinary(dataName, [this](const QByteArray &bytes) { readData(bytes); },
                       [this] { return pack(m_values); }, Count() > 0);
}

void PackedList::readCount(qint64 count)
{
    if (count < 0 || count > MaxCount)
        throw std::invalid_argument(
            QStringLiteral("a list count of %1 is outside 0 .. %2").arg(count).arg(MaxCount).toStdString());
    // The entries follow as Data; without Data the list keeps what it holds,
    // cut or padded with zero entries so that it never claims entries it lacks.
    resize(int(count));
}

void PackedList::readData(const QByteArray &bytes)
{
    std::vector<qint32> values = unpack(bytes, Count(), m_fields);
    m_values.swap(values);
    emit changed();
}

QByteArray PackedList::pack(const std::vector<qint32> &values)
{
    QByteArray bytes(qsizetype(values.size() * 4), Qt::Uninitialized);
    for (size_t i = 0; i < values.size(); ++i)
        qToLittleEndian<qint32>(values[i], bytes.data() + i * 4);
    return bytes;
}

std::vector<qint32> PackedList::unpack(const QByteArray &bytes, int count, int fields)
{
    const qint64 expected = qint64(count) * fields * 4;
    if (bytes.size() != expected)
        throw std::invalid_argument(QStringLiteral("the data holds %1 bytes, but %2 entries of %3 bytes need %4")
                                        .arg(bytes.size())
                                        .arg(count)
                                        .arg(fields * 4)
                                        .arg(expected)
                                        .toStdString());
    std::vector<qint32> values(size_t(count) * size_t(fields));
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = qFromLittleEndian<qint32>(bytes.constData() + i * 4);
    return values;
}
