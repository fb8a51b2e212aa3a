// Draws the program's icon, a headset over a call list on a blue tile, in the
// sizes desktops look for, as app/icons/<N>x<N>/ravik-tour.png (or into the
// folder given). Each size is drawn afresh, so small sizes stay sharp.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    // The tile.
    QLinearGradient tile(0, 0, 0, 64);
    tile.setColorAt(0, QColor(0x2f, 0x6f, 0xd0));
    tile.setColorAt(1, QColor(0x12, 0x3a, 0x82));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);

    // A call list: three lines of a sheet.
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRoundedRect(QRectF(17, 34, 30, 20), 3, 3);
    p.setBrush(QColor(0x12, 0x3a, 0x82));
    for (int row = 0; row < 3; ++row)
        p.drawRect(QRectF(21, 38 + row * 5.5, row == 2 ? 14 : 22, 2.6));

    // The headset: a band over the list, two ear pieces and a microphone.
    QPen band(Qt::white, 5, Qt::SolidLine, Qt::RoundCap);
    p.setPen(band);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(12, 10, 40, 40), 20 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xb3, 0x1a));
    p.drawRoundedRect(QRectF(8, 22, 9, 14), 3, 3);
    p.drawRoundedRect(QRectF(47, 22, 9, 14), 3, 3);
    QPainterPath boom;
    boom.moveTo(12.5, 35);
    boom.quadTo(13, 46, 22, 47);
    p.setPen(QPen(QColor(0xff, 0xb3, 0x1a), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(boom);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(22.5, 47), 3, 3);
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("app/icons");
    int failures = 0;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2").arg(dir).arg(size);
        QDir().mkpath(folder);
        const QString file = folder + QStringLiteral("/ravik-tour.png");
        if (!drawIcon(size).save(file)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(file));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
