#include "app/WindowIcon.h"

#include <QIconEngine>
#include <QImageReader>
#include <QMap>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace {

class LazyIconEngine : public QIconEngine
{
public:
    LazyIconEngine(const QString &pattern, const QList<int> &sizes)
        : m_pattern(pattern)
        , m_sizes(sizes)
    {
        std::sort(m_sizes.begin(), m_sizes.end());
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int n = fitting(size);
        QPixmap &p = m_read[n];
        if (p.isNull()) {
            // Read as the PNG it is: a reader left to find the format would
            // load and ask every image plugin first.
            QImageReader reader(m_pattern.arg(n), "png");
            reader.setAutoDetectImageFormat(false);
            p = QPixmap::fromImage(reader.read());
        }
        return p.size() == size || p.isNull() ? p : p.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int n = std::min(fitting(size), std::min(size.width(), size.height()));
        return QSize(n, n);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int n : m_sizes)
            sizes << QSize(n, n);
        return sizes;
    }

    QString key() const override { return QStringLiteral("LazyIconEngine"); }
    QIconEngine *clone() const override { return new LazyIconEngine(*this); }

private:
    // The smallest size that covers `size`, else the largest.
    int fitting(const QSize &size) const
    {
        const int wanted = std::max(size.width(), size.height());
        for (int n : m_sizes) {
            if (n >= wanted)
                return n;
        }
        return m_sizes.isEmpty() ? 0 : m_sizes.last();
    }

    QString m_pattern;
    QList<int> m_sizes;
    QMap<int, QPixmap> m_read;
};

} // namespace

QIcon WindowIcon::fromFiles(const QString &pattern, const QList<int> &sizes)
{
    return QIcon(new LazyIconEngine(pattern, sizes));
}
