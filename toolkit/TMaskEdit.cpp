#include "toolkit/TMaskEdit.h"

#include "toolkit/Application.h"
#include "toolkit/Locale.h"

#include <QFocusEvent>
#include <QKeyEvent>

const char *const TMaskEdit::invalidInputMessage = "Invalid input value. Use escape key to abandon changes";

TMaskEdit::TMaskEdit(QObject *owner)
    : TEdit(owner)
{
}

void TMaskEdit::SetEditMask(const QString &mask)
{
    const QString old = Text();
    m_editMask = mask;
    m_mask = MaskFormat::parse(mask, Locale::dateSeparator());
    ++m_quiet;
    setInputMask(m_mask.qtInputMask());
    if (m_mask.isEmpty()) {
        // Qt empties the field when its mask goes; the text stays as it was.
        applyMaxLength();
        setText(old);
    } else {
        applyCells(m_mask.cellsFromText(old));
    }
    --m_quiet;
    if (Text() != old)
        fire([this] { emit OnChange(this); });
}

QString TMaskEdit::cells() const
{
    return m_mask.cellsFromDisplay(displayText());
}

void TMaskEdit::applyCells(const QString &cells)
{
    // Qt's own setText moves characters past blanks, so every character is
    // put into its position.
    setText(QString());
    for (int i = 0; i < m_mask.size() && i < cells.size(); ++i) {
        if (cells.at(i) != u' ' && m_mask.accepts(i, cells.at(i))) {
            setSelection(i, 1);
            insert(QString(cells.at(i)));
        }
    }
    setCursorPosition(0);
}

QString TMaskEdit::Text() const
{
    return IsMasked() ? m_mask.textFromCells(cells()) : text();
}

void TMaskEdit::SetText(const QString &text)
{
    if (!IsMasked()) {
        TEdit::SetText(text);
        return;
    }
    const QString old = Text();
    const QString wanted = m_mask.cellsFromText(text);
    if (wanted == cells())
        return;
    ++m_quiet;
    applyCells(wanted);
    --m_quiet;
    if (Text() != old)
        fire([this] { emit OnChange(this); });
}

bool TMaskEdit::IsValid() const
{
    if (!IsMasked())
        return true;
    const QString c = cells();
    return m_mask.isBlank(c) || m_mask.isComplete(c);
}

void TMaskEdit::focusInEvent(QFocusEvent *event)
{
    // Coming back from another window or a pop-up is no new entry.
    const bool back = m_away && (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason);
    m_away = false;
    if (!back && !m_refocusing)
        m_enteredText = Text();
    TEdit::focusInEvent(event);
}

void TMaskEdit::focusOutEvent(QFocusEvent *event)
{
    m_away = event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason;
    TEdit::focusOutEvent(event);
}

void TMaskEdit::keyPressEvent(QKeyEvent *event)
{
    if (IsMasked() && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier
        && Text() != m_enteredText) {
        SetText(m_enteredText);
        event->accept();
        return;
    }
    TEdit::keyPressEvent(event);
}

bool TMaskEdit::canExit(const QWidget *next) const
{
    // Only a move of the focus within the window is checked: switching to
    // another window, or a field hidden or disabled by code, lets it go.
    if (!next || next->window() != window() || !isVisible() || !isEnabled() || isDestroying())
        return true;
    return IsValid();
}

void TMaskEdit::refuseExit()
{
    m_refocusing = true;
    setFocus(Qt::OtherFocusReason);
    m_refocusing = false;
    // The box opens once the focus change is over.
    Application::reportError(QString::fromLatin1(invalidInputMessage));
    const int missing = m_mask.firstMissing(cells());
    if (missing >= 0)
        setCursorPosition(missing);
}
