#pragma once

// Stored values that a component reads and writes itself, beside its published
// properties (for example a list kept as a count and a block of bytes).

#include <QByteArray>

#include <functional>

class Filer
{
public:
    virtual ~Filer() = default;

    // `stored` says whether the writer writes the value at all.
    virtual void defineInteger(const QByteArray &name, const std::function<void(qint64)> &read,
                               const std::function<qint64()> &write, bool stored) = 0;
    virtual void defineBinary(const QByteArray &name, const std::function<void(const QByteArray &)> &read,
                              const std::function<QByteArray()> &write, bool stored) = 0;
};
