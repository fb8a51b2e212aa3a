// Draws the wizard's button glyphs as two-image strips (normal, disabled) of
// 16 x 16 pixels each and writes them as PNG files into the given folder:
// back.png (arrow left), next.png (arrow right), restart.png (a house) and
// exit.png (an open door). Run by hand when the glyphs change:
//     make_glyphs forms/glyphs

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <cstdio>
#include <functional>

namespace {

constexpr int Size = 16;

QImage drawn(const std::function<void(QPainter &)> &draw)
{
    QImage image(Size, Size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    draw(p);
    return image;
}

// The classic disabled look: the dark lines of the shape in grey over their
// white shadow, one pixel down and right; lighter areas in lighter grey.
QImage disabled(const QImage &normal)
{
    QImage image(Size, Size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    auto dark = [&](int x, int y) { return qAlpha(normal.pixel(x, y)) >= 128 && qGray(normal.pixel(x, y)) < 96; };
    for (int y = 0; y + 1 < Size; ++y) {
        for (int x = 0; x + 1 < Size; ++x) {
            if (dark(x, y))
                image.setPixel(x + 1, y + 1, qRgb(255, 255, 255));
        }
    }
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            const QRgb c = normal.pixel(x, y);
            if (qAlpha(c) < 128)
                continue;
            if (dark(x, y))
                image.setPixel(x, y, qRgb(128, 128, 128));
            else if (qAlpha(image.pixel(x, y)) == 0)
                image.setPixel(x, y, qGray(c) > 200 ? qRgb(224, 224, 224) : qRgb(168, 168, 168));
        }
    }
    return image;
}

QImage strip(const QImage &normal)
{
    QImage image(2 * Size, Size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.drawImage(0, 0, normal);
    p.drawImage(Size, 0, disabled(normal));
    return image;
}

void arrow(QPainter &p, bool right)
{
    QPolygon shape({QPoint(1, 6), QPoint(7, 6), QPoint(7, 2), QPoint(13, 8), QPoint(7, 14), QPoint(7, 10),
                    QPoint(1, 10)});
    if (!right) {
        for (QPoint &pt : shape)
            pt.setX(14 - pt.x());
    }
    p.setPen(QColor(0, 64, 0));
    p.setBrush(QColor(0, 160, 0));
    p.drawPolygon(shape);
}

void house(QPainter &p)
{
    p.setPen(QColor(0, 0, 96));
    p.setBrush(QColor(0, 0, 200));
    p.drawPolygon(QPolygon({QPoint(1, 8), QPoint(8, 1), QPoint(15, 8)}));
    p.setBrush(QColor(64, 96, 224));
    p.drawRect(3, 8, 10, 6);
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(7, 10, 2, 4);
}

void door(QPainter &p)
{
    p.setPen(QColor(0, 0, 0));
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(3, 1, 10, 14);
    p.setPen(QColor(64, 32, 0));
    p.setBrush(QColor(160, 80, 0));
    p.drawPolygon(QPolygon({QPoint(3, 1), QPoint(9, 3), QPoint(9, 15), QPoint(3, 15)}));
    p.setPen(QColor(255, 224, 0));
    p.drawPoint(7, 9);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_glyphs <output folder>\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists()) {
        std::fprintf(stderr, "make_glyphs: no folder %s\n", argv[1]);
        return 1;
    }
    const struct {
        const char *name;
        std::function<void(QPainter &)> draw;
    } glyphs[] = {
        {"back", [](QPainter &p) { arrow(p, false); }},
        {"next", [](QPainter &p) { arrow(p, true); }},
        {"restart", house},
        {"exit", door},
    };
    for (const auto &g : glyphs) {
        const QString path = dir.filePath(QString::fromLatin1(g.name) + QStringLiteral(".png"));
        if (!strip(drawn(g.draw)).save(path)) {
            std::fprintf(stderr, "make_glyphs: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
