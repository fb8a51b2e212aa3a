#include "toolkit/ButtonGlyph.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QRegularExpression>

void ButtonGlyph::setStrip(const QImage &image)
{
    m_strip = image;
    if (!image.isNull() && image.height() > 0 && image.width() % image.height() == 0) {
        const int n = image.width() / image.height();
        m_numGlyphs = n < 5 ? std::max(1, n) : 1;
    }
}

QSize ButtonGlyph::glyphSize() const
{
    if (m_strip.isNull())
        return {};
    return {m_strip.width() / m_numGlyphs, m_strip.height()};
}

QImage ButtonGlyph::image(State state) const
{
    if (m_strip.isNull())
        return {};
    const QSize s = glyphSize();
    int index = int(state);
    if (index >= m_numGlyphs) {
        if (state == State::Disabled) {
            // Grey the normal image.
            QImage img = m_strip.copy(0, 0, s.width(), s.height()).convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < img.height(); ++y) {
                auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
                for (int x = 0; x < img.width(); ++x) {
                    const int a = qAlpha(line[x]);
                    if (a == 0)
                        continue;
                    const int g = qGray(line[x]) < 160 ? 0x80 : 0xFF;
                    line[x] = qRgba(g, g, g, g == 0xFF ? 0 : a);
                }
            }
            return img;
        }
        index = 0;
    }
    return m_strip.copy(index * s.width(), 0, s.width(), s.height());
}

ButtonGlyph::Layout ButtonGlyph::layout(const QRect &client, const QSize &glyph, const QSize &text,
                                        Tk::TButtonLayout placement, int margin, int spacing)
{
    const bool horizontal = placement == Tk::TButtonLayout::blGlyphLeft || placement == Tk::TButtonLayout::blGlyphRight;
    const int clientExtent = horizontal ? client.width() : client.height();
    const int glyphExtent = horizontal ? glyph.width() : glyph.height();
    const int textExtent = horizontal ? text.width() : text.height();
    if (glyph.isEmpty() || text.isEmpty())
        spacing = 0;
    int total = glyphExtent + textExtent;
    if (margin == -1) {
        if (spacing == -1) {
            total = glyphExtent + textExtent;
            margin = (clientExtent - total) / 3;
            spacing = margin;
        } else {
            total = glyphExtent + spacing + textExtent;
            margin = (clientExtent - total + 1) / 2;
        }
    } else if (spacing == -1) {
        total = clientExtent - (margin + glyphExtent);
        spacing = (total - textExtent) / 2;
    }

    Layout out;
    // Across the layout axis both parts are centred.
    const int gy = client.top() + (client.height() - glyph.height() + 1) / 2;
    const int ty = client.top() + (client.height() - text.height() + 1) / 2;
    const int gx = client.left() + (client.width() - glyph.width() + 1) / 2;
    const int tx = client.left() + (client.width() - text.width() + 1) / 2;
    switch (placement) {
    case Tk::TButtonLayout::blGlyphLeft: {
        const int x = client.left() + margin;
        out.glyph = QRect(x, gy, glyph.width(), glyph.height());
        out.text = QRect(x + glyph.width() + spacing, ty, text.width(), text.height());
        break;
    }
    case Tk::TButtonLayout::blGlyphRight: {
        const int x = client.left() + client.width() - margin - glyph.width();
        out.glyph = QRect(x, gy, glyph.width(), glyph.height());
        out.text = QRect(x - spacing - text.width(), ty, text.width(), text.height());
        break;
    }
    case Tk::TButtonLayout::blGlyphTop: {
        const int y = client.top() + margin;
        out.glyph = QRect(gx, y, glyph.width(), glyph.height());
        out.text = QRect(tx, y + glyph.height() + spacing, text.width(), text.height());
        break;
    }
    case Tk::TButtonLayout::blGlyphBottom: {
        const int y = client.top() + client.height() - margin - glyph.height();
        out.glyph = QRect(gx, y, glyph.width(), glyph.height());
        out.text = QRect(tx, y - spacing - text.height(), text.width(), text.height());
        break;
    }
    }
    return out;
}

void ButtonGlyph::paint(QPainter &p, const QRect &client, const QString &caption, const QFont &font,
                        const QPalette &palette, State state, Tk::TButtonLayout placement, int margin, int spacing,
                        bool showAccel) const
{
    const QFontMetrics fm(font);
    QString shown = caption;
    if (showAccel) {
        // Compiled once: a pattern built at every paint was compiled at every paint.
        static const QRegularExpression marker(QStringLiteral("&(?!&)"));
        shown.remove(marker);
    }
    const QSize textSize = caption.isEmpty() ? QSize() : QSize(fm.horizontalAdvance(shown), fm.height());
    const QImage img = image(state);
    const Layout l = layout(client, img.isNull() ? QSize() : img.size(), textSize, placement, margin, spacing);
    if (!img.isNull())
        p.drawImage(l.glyph.topLeft(), img);
    if (caption.isEmpty())
        return;
    p.setFont(font);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | (showAccel ? Qt::TextShowMnemonic : 0);
    if (state == State::Disabled) {
        p.setPen(palette.color(QPalette::Light));
        p.drawText(l.text.translated(1, 1), flags, caption);
        p.setPen(palette.color(QPalette::Dark));
    } else {
        p.setPen(palette.color(QPalette::ButtonText));
    }
    p.drawText(l.text, flags, caption);
}
