#include "toolkit/TMemo.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <utility>

TMemo::TMemo(QObject *owner)
    : ControlWidget<QPlainTextEdit>(owner)
{
    SetTabStop(true);
    setFocusable(true);
    resize(185, 89);
    setTabChangesFocus(true);
    document()->setDocumentMargin(1);
    SetScrollBars(Tk::TScrollStyle::ssNone);
    addInputWidget(viewport());
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (m_maxLength > 0 && toPlainText().size() > m_maxLength) {
            QTextCursor c = textCursor();
            const int pos = c.position();
            setPlainText(toPlainText().left(m_maxLength));
            c = textCursor();
            c.setPosition(std::min(pos, m_maxLength));
            setTextCursor(c);
            return;
        }
        if (m_quiet == 0)
            fire([this] { emit OnChange(this); });
    });
}

void TMemo::takePendingText() const
{
    if (!m_textPending)
        return;
    m_textPending = false;
    auto *self = const_cast<TMemo *>(this);
    ++m_quiet;
    self->setPlainText(std::exchange(m_pendingText, QString()));
    --m_quiet;
}

void TMemo::showEvent(QShowEvent *event)
{
    takePendingText();
    ControlWidget<QPlainTextEdit>::showEvent(event);
}

QString TMemo::Text() const
{
    takePendingText();
    return toPlainText();
}

QStringList TMemo::Lines() const
{
    const QString t = Text();
    if (t.isEmpty())
        return {};
    return t.split(u'\n');
}

void TMemo::SetLines(const QStringList &lines)
{
    SetText(lines.join(u'\n'));
}

void TMemo::SetText(const QString &text)
{
    if (isLoading() && !isVisible()) {
        m_pendingText = text;
        m_textPending = true;
        return;
    }
    takePendingText();
    if (text != toPlainText())
        setPlainText(text);
}

void TMemo::SetScrollBars(Tk::TScrollStyle bars)
{
    m_scrollBars = bars;
    const bool h = bars == Tk::TScrollStyle::ssHorizontal || bars == Tk::TScrollStyle::ssBoth;
    const bool v = bars == Tk::TScrollStyle::ssVertical || bars == Tk::TScrollStyle::ssBoth;
    setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TMemo::SetWordWrap(bool wrap)
{
    m_wordWrap = wrap;
    setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::SetBorderStyle(Tk::TBorderStyle style)
{
    m_borderStyle = style;
    setFrameShape(style == Tk::TBorderStyle::bsSingle ? QFrame::StyledPanel : QFrame::NoFrame);
}

void TMemo::SetWantTabs(bool want)
{
    m_wantTabs = want;
    setTabChangesFocus(!want);
}

void TMemo::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !m_wantReturns) {
        event->ignore();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TMemo::mousePressEvent(QMouseEvent *event)
{
    // A memo offers no text drag, as an edit box offers none: a press on the
    // selection starts a new one, as it does elsewhere. Qt's text control
    // would start a drag there, whose loop takes the release and which the
    // memo's automatic scrolling would start again and again.
    // The cursor goes to the point pressed, which is in view, so the memo
    // does not scroll.
    if (event->button() == Qt::LeftButton && !(event->modifiers() & Qt::ShiftModifier) && textCursor().hasSelection())
        setTextCursor(cursorForPosition(event->position().toPoint()));
    QPlainTextEdit::mousePressEvent(event);
}
