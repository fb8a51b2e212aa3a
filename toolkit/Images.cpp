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

// A reader for `name` that trusts the suffix of a format Qt decodes itself:
// detecting the format instead would load and ask every image plugin first.
// A picture whose content does not match its suffix still reads, through
// the detecting reader that fallback() gives.
struct Reader
{
    explicit Reader(const QString &name) : reader(name)
    {
        const qsizetype dot = name.lastIndexOf(u'.');
        const QByteArray suffix = dot < 0 ? QByteArray() : name.mid(dot + 1).toLower().toLatin1();
        if (suffix == "png" || suffix == "bmp") {
            reader.setFormat(suffix);
            reader.setAutoDetectImageFormat(false);
        }
    }
    bool fallback()
    {
        if (reader.autoDetectImageFormat())
            return false;
        reader.setFormat(QByteArray());
        reader.setAutoDetectImageFormat(true);
        reader.setFileName(reader.fileName());
        return true;
    }
    QImageReader reader;
};

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
    Reader r(name);
    QImage image = r.reader.read();
    if (image.isNull() && r.fallback())
        image = r.reader.read();
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
    Reader r(name);
    QSize size = r.reader.canRead() ? r.reader.size() : QSize();
    if (!size.isValid() && r.fallback())
        size = r.reader.canRead() ? r.reader.size() : QSize();
    if (size.isValid())
        return size;
    // A format that does not tell its size up front is decoded to learn it.
    return load(name).size();
}
