#include "toolkit/Images.h"

#include <QHash>
#include <QImageReader>

#include <stdexcept>

namespace {

// Images compiled into the program are decoded once and then shared; a file
// on disk is read afresh every time.
QHash<QString, QImage> &decodedResources()
{
    static QHash<QString, QImage> decoded;
    return decoded;
}

[[noreturn]] void noImage(const QString &name)
{
    throw std::invalid_argument(QStringLiteral("no image %1").arg(name).toStdString());
}

} // namespace

QImage Images::load(const QString &name)
{
    QHash<QString, QImage> &decoded = decodedResources();
    const bool resource = name.startsWith(u':');
    if (resource) {
        auto it = decoded.constFind(name);
        if (it != decoded.constEnd())
            return *it;
    }
    QImage image(name);
    if (image.isNull())
        noImage(name);
    if (resource)
        decoded.insert(name, image);
    return image;
}

QSize Images::size(const QString &name)
{
    auto it = decodedResources().constFind(name);
    if (it != decodedResources().constEnd())
        return it->size();
    QImageReader reader(name);
    const QSize size = reader.canRead() ? reader.size() : QSize();
    if (size.isValid())
        return size;
    // A format that does not tell its size up front is decoded to learn it.
    return load(name).size();
}
