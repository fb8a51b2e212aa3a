#include "toolkit/Images.h"

#include <QHash>

#include <stdexcept>

QImage Images::load(const QString &name)
{
    // Images compiled into the program are decoded once and then shared; a
    // file on disk is read afresh every time.
    static QHash<QString, QImage> decoded;
    const bool resource = name.startsWith(u':');
    if (resource) {
        auto it = decoded.constFind(name);
        if (it != decoded.constEnd())
            return *it;
    }
    QImage image(name);
    if (image.isNull())
        throw std::invalid_argument(QStringLiteral("no image %1").arg(name).toStdString());
    if (resource)
        decoded.insert(name, image);
    return image;
}
