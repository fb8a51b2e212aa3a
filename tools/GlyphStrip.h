#pragma once

// Drawing two-image glyph strips (normal, disabled) of 16 x 16 pixels for
// buttons, and a main() body that writes a list of them as PNG files into a
// folder. Shared by the glyph tools.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <cstdio>
#include <functional>
#include <vector>

namespace GlyphStrip {

inline constexpr int Size = 16;

inline QImage drawn(const std::function<void(QPainter &)> &draw)
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
inline QImage disabled(const QImage &normal)
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

inline QImage strip(const QImage &normal)
{
    QImage image(2 * Size, Size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.drawImage(0, 0, normal);
    p.drawImage(Size, 0, disabled(normal));
    return image;
}

struct Glyph {
    const char *name;
    std::function<void(QPainter &)> draw;
};

// Writes <name>.png for every glyph into the folder named by argv[1];
// returns the program's exit code.
inline int writeAll(int argc, char **argv, const char *tool, const std::vector<Glyph> &glyphs)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", tool);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists()) {
        std::fprintf(stderr, "%s: no folder %s\n", tool, argv[1]);
        return 1;
    }
    for (const auto &g : glyphs) {
        const QString path = dir.filePath(QString::fromLatin1(g.name) + QStringLiteral(".png"));
        if (!strip(drawn(g.draw)).save(path)) {
            std::fprintf(stderr, "%s: cannot write %s\n", tool, qPrintable(path));
            return 1;
        }
    }
    return 0;
}

} // namespace GlyphStrip
