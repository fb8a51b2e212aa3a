#include "toolkit/TLabel.h"

#include "toolkit/BoundedCache.h"
#include "toolkit/TextKey.h"

#include <QEvent>
#include <QFontMetrics>

TLabel::TLabel(QObject *owner)
    : ControlWidget<QLabel>(owner)
{
    setTextFormat(Qt::PlainText);
    setFocusable(false);
    setWindowed(false);
    setMargin(0);
    setIndent(0);
    resize(65, 17);
    applyAlignment();
}

QString TLabel::displayText(const QString &caption, bool accelChar)
{
    if (!accelChar)
        return caption;
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&') {
            if (i + 1 < caption.size() && caption.at(i + 1) == u'&') {
                out += u'&';
                ++i;
            }
            continue;
        }
        out += caption.at(i);
    }
    return out;
}

void TLabel::SetCaption(const QString &caption)
{
    if (caption == m_caption && !text().isNull())
        return;
    m_caption = caption;
    setText(displayText(caption, m_showAccelChar));
    adjustBounds();
}

void TLabel::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    adjustBounds();
}

void TLabel::SetAlignment(Tk::TAlignment alignment)
{
    m_alignment = alignment;
    applyAlignment();
}

void TLabel::SetLayout(Tk::TTextLayout layout)
{
    m_layout = layout;
    applyAlignment();
}

void TLabel::SetWordWrap(bool wrap)
{
    m_wordWrap = wrap;
    setWordWrap(wrap);
    adjustBounds();
}

void TLabel::SetShowAccelChar(bool show)
{
    m_showAccelChar = show;
    setText(displayText(m_caption, show));
    adjustBounds();
}

void TLabel::applyAlignment()
{
    Qt::Alignment a;
    switch (m_alignment) {
    case Tk::TAlignment::taLeftJustify: a = Qt::AlignLeft; break;
    case Tk::TAlignment::taRightJustify: a = Qt::AlignRight; break;
    case Tk::TAlignment::taCenter: a = Qt::AlignHCenter; break;
    }
    switch (m_layout) {
    case Tk::TTextLayout::tlTop: a |= Qt::AlignTop; break;
    case Tk::TTextLayout::tlCenter: a |= Qt::AlignVCenter; break;
    case Tk::TTextLayout::tlBottom: a |= Qt::AlignBottom; break;
    }
    setAlignment(a);
}

namespace {

// The size an autosized label takes for `text` in a font: as wide as its
// longest line and as high as its own text layout makes its lines, or, word
// wrapped, as high as the text takes in `width`.
QSize measure(const QFont &font, const QString &text, bool wordWrap, int width)
{
    const QFontMetrics fm(font);
    if (wordWrap)
        return {width, fm.boundingRect(QRect(0, 0, std::max(1, width), 100000), Qt::TextWordWrap, text).height()};
    int w = 0;
    for (const QString &line : text.split(u'\n'))
        w = std::max(w, fm.horizontalAdvance(line));
    // The height the label's own text layout takes: its lines are laid out at
    // the font's exact, unrounded line height, so that several of them can
    // take a pixel more than as many rounded ones.
    const int h = std::max(fm.height(), fm.boundingRect(QRect(0, 0, std::max(1, w), 100000), Qt::AlignLeft | Qt::AlignTop, text).height());
    return {w, h};
}

// Measured once for all labels: a screen shows the same captions in the same
// fonts on every visit, and measuring shapes the text.
QSize measured(const QFont &font, const QString &text, bool wordWrap, int width)
{
    static BoundedCache<TextKey, QSize> sizes;
    return sizes.get({font, QFontMetricsF(font).fontDpi(), wordWrap ? width : -1, text},
                     [&] { return measure(font, text, wordWrap, width); });
}

} // namespace

void TLabel::adjustBounds()
{
    if (!m_autoSize || isLoading() || Align() != Tk::TAlign::alNone)
        return;
    const QString shown = text().isEmpty() ? QStringLiteral(" ") : text();
    const QSize size = measured(font(), shown, m_wordWrap, Width());
    int left = Left();
    if (m_alignment == Tk::TAlignment::taRightJustify)
        left += Width() - size.width();
    SetBounds(left, Top(), size.width(), size.height());
}

void TLabel::loaded()
{
    Control::loaded();
    adjustBounds();
}

void TLabel::applyFont()
{
    Control::applyFont();
    adjustBounds();
}

void TLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        adjustBounds();
}
