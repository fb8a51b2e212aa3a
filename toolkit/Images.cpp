#include "toolkit/Images.h"

#include <QHash>
#include <QImageReader>

#include <functional>
#include <stdexcept>

namespace {

// Images compiled into the program are decoded once and then shared; a file
// on disk is read afresh every time.
QHash<QString, QImage> &decodedResources()
{
    static QHash<QString, QImage> decoded;
    return decoded;
}

// Reads `name` by the format its suffix gives when Qt decodes that format
// itself: detecting the format instead would load and ask every image plugin
// first. A picture whose content does not match its suffix is read again with
// the format detected.
class PictureReader
{
public:
    explicit PictureReader(const QString &name) : m_reader(name)
    {
        const qsizetype dot = name.lastIndexOf(u'.');
        const QByteArray suffix = dot < 0 ? QByteArray() : name.mid(dot + 1).toLower().toLatin1();
        if (suffix == "png" || suffix == "bmp") {
            m_reader.setFormat(suffix);
            m_reader.setAutoDetectImageFormat(false);
        }
    }
    QImage read()
    {
        return attempt([this] { return m_reader.read(); }, &QImage::isNull);
    }
    // The size the header gives; invalid when it gives none.
    QSize size()
    {
        return attempt([this] { return m_reader.canRead() ? m_reader.size() : QSize(); },
                       [](const QSize &s) { return !s.isValid(); });
    }

private:
    template <typename Read, typename Failed>
    auto attempt(Read read, Failed failed) -> decltype(read())
    {
        auto result = read();
        if (std::invoke(failed, result) && !m_reader.autoDetectImageFormat()) {
            m_reader.setFormat(QByteArray());
            m_reader.setAutoDetectImageFormat(true);
            m_reader.setFileName(m_reader.fileName());
            result = read();
        }
        return result;
    }

    QImageReader m_reader;
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
    const QImage image = PictureReader(name).read();
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
    const QSize size = PictureReader(name).size();
    if (size.isValid())
        return size;
    // A format that does not tell its size up front is decoded to learn it.
    return load(name).size();
}
