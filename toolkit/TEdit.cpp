#include "toolkit/TEdit.h"

TEdit::TEdit(QObject *owner)
    : ControlWidget<QLineEdit>(owner)
{
    SetTabStop(true);
    setFocusable(true);
    resize(121, 24);
    connect(this, &QLineEdit::textChanged, this, [this](const QString &t) {
        if (m_quiet)
            return;
        if (m_charCase != Tk::TEditCharCase::ecNormal && inputMask().isEmpty()) {
            const QString cased = m_charCase == Tk::TEditCharCase::ecUpperCase ? t.toUpper() : t.toLower();
            if (cased != t) {
                const int pos = cursorPosition();
                setText(cased);
                setCursorPosition(pos);
                return;
            }
        }
        fire([this] { emit OnChange(this); });
    });
}

void TEdit::SetText(const QString &text)
{
    if (text != this->text())
        setText(text);
}

void TEdit::SetMaxLength(int length)
{
    m_maxLength = std::max(0, length);
    applyMaxLength();
}

void TEdit::applyMaxLength()
{
    setMaxLength(m_maxLength > 0 ? m_maxLength : 32767);
}

void TEdit::SetBorderStyle(Tk::TBorderStyle style)
{
    m_borderStyle = style;
    setFrame(style == Tk::TBorderStyle::bsSingle);
}

void TEdit::SetCharCase(Tk::TEditCharCase charCase)
{
    m_charCase = charCase;
    if (charCase == Tk::TEditCharCase::ecUpperCase)
        setText(text().toUpper());
    else if (charCase == Tk::TEditCharCase::ecLowerCase)
        setText(text().toLower());
}
