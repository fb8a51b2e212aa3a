#include "toolkit/Images.h"

#include <stdexcept>

QImage Images::load(const QString &name)
{
    QImage image(name);
    if (image.isNull())
        throw std::invalid_argument(QStringLiteral("no image %1").arg(name).toStdString());
    return image;
}
