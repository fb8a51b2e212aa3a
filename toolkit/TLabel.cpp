#include "toolkit/TLabel.h"

#include <QEvent>

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

void TLabel::adjustBounds()
{
    if (!m_autoSize || isLoading() || Align() != Tk::TAlign::alNone)
        return;
    const QFontMetrics fm(font());
    const QString shown = text().isEmpty() ? QStringLiteral(" ") : text();
    int w = Width();
    int h = 0;
    if (m_wordWrap) {
        h = fm.boundingRect(QRect(0, 0, std::max(1, w), 100000), Qt::TextWordWrap, shown).height();
    } else {
        const QStringList lines = shown.split(u'\n');
        w = 0;
        for (const QString &line : lines)
            w = std::max(w, fm.horizontalAdvance(line));
        // The height the label's own text layout takes: its lines are laid
        // out at the font's exact, unrounded line height, so that several of
        // them can take a pixel more than as many rounded ones.
        h = std::max(fm.height(), fm.boundingRect(QRect(0, 0, std::max(1, w), 100000), Qt::AlignLeft | Qt::AlignTop, shown).height());
    }
    int left = Left();
    if (m_alignment == Tk::TAlignment::taRightJustify)
        left += Width() - w;
    SetBounds(left, Top(), w, h);
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
