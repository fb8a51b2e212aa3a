#include "toolkit/TComboBox.h"

#include <QApplication>
#include <QCollator>
#include <QCompleter>
#include <QLineEdit>
#include <QPointer>

namespace {

QCompleter *idleCompleter()
{
    static QPointer<QCompleter> completer;
    if (!completer)
        completer = new QCompleter(qApp);
    return completer;
}

} // namespace

TComboBox::TComboBox(QObject *owner)
    : ControlWidget<QComboBox>(owner)
{
    SetTabStop(true);
    setFocusable(true);
    resize(145, 24);
    setMaxVisibleItems(8);
    // A box read from a definition takes its style once loaded, so that a
    // list-only box never builds the text box it would drop again.
    if (!isLoading())
        applyStyle();
    connect(this, &QComboBox::activated, this, [this](int) {
        if (m_programmatic || isLoading())
            return;
        doClick();
        fire([this] { emit OnChange(this); });
    });
}

void TComboBox::SetStyle(Tk::TComboBoxStyle style)
{
    m_style = style;
    if (!isLoading())
        applyStyle();
}

void TComboBox::loaded()
{
    applyStyle();
    ControlWidget<QComboBox>::loaded();
}

void TComboBox::applyStyle()
{
    const bool editable = m_style == Tk::TComboBoxStyle::csDropDown || m_style == Tk::TComboBoxStyle::csSimple;
    if (editable == isEditable())
        return;
    const QString text = currentText();
    ++m_programmatic;
    QPointer<QLineEdit> dropped = editable ? nullptr : lineEdit();
    if (editable) {
        // The box completes nothing as it is typed into. A text box given to
        // a combo box without a completer of its own gets a new one over the
        // box's list, built only to be dropped; the shared idle one stands
        // in while the text box goes in.
        auto *edit = new QLineEdit(this);
        edit->setPalette(palette());
        edit->setCompleter(idleCompleter());
        setLineEdit(edit);
    } else {
        setEditable(false);
    }
    // Qt deletes the text box it drops later, and a widget that goes while
    // its focus proxy (this box) has the focus takes the focus with it.
    if (dropped)
        dropped->setFocusProxy(nullptr);
    if (editable) {
        setInsertPolicy(QComboBox::NoInsert);
        setCompleter(nullptr);
        lineEdit()->setMaxLength(m_maxLength > 0 ? m_maxLength : 32767);
        lineEdit()->setText(text);
        addInputWidget(lineEdit());
        connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString &) {
            if (!m_programmatic && !isLoading())
                fire([this] { emit OnChange(this); });
        });
    }
    --m_programmatic;
}

QStringList TComboBox::Items() const
{
    QStringList list;
    for (int i = 0; i < count(); ++i)
        list << itemText(i);
    return list;
}

void TComboBox::SetItems(const QStringList &items)
{
    ++m_programmatic;
    const QString text = currentText();
    clear();
    QStringList sortedItems = items;
    if (m_sorted) {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        std::stable_sort(sortedItems.begin(), sortedItems.end(), [&](const QString &a, const QString &b) { return c.compare(a, b) < 0; });
    }
    addItems(sortedItems);
    setCurrentIndex(-1);
    if (isEditable())
        lineEdit()->setText(text);
    --m_programmatic;
}

void TComboBox::SetItemIndex(int index)
{
    ++m_programmatic;
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
    if (isEditable() && currentIndex() < 0)
        lineEdit()->clear();
    --m_programmatic;
}

void TComboBox::SetText(const QString &text)
{
    applyStyle();
    ++m_programmatic;
    if (isEditable()) {
        const int index = findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
        setCurrentIndex(index);
        lineEdit()->setText(m_maxLength > 0 ? text.left(m_maxLength) : text);
    } else {
        setCurrentIndex(findText(text, Qt::MatchFixedString));
    }
    --m_programmatic;
}

void TComboBox::SetMaxLength(int length)
{
    m_maxLength = std::max(0, length);
    if (isEditable())
        lineEdit()->setMaxLength(m_maxLength > 0 ? m_maxLength : 32767);
}

void TComboBox::SetSorted(bool sorted)
{
    m_sorted = sorted;
    if (sorted)
        SetItems(Items());
}

int TComboBox::AddItem(const QString &text)
{
    ++m_programmatic;
    const QString current = currentText();
    const int currentIdx = currentIndex();
    int index = count();
    if (m_sorted) {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        index = 0;
        while (index < count() && c.compare(itemText(index), text) <= 0)
            ++index;
    }
    insertItem(index, text);
    if (currentIdx < 0) {
        setCurrentIndex(-1);
        if (isEditable())
            lineEdit()->setText(current);
    }
    --m_programmatic;
    return index;
}

void TComboBox::ClearItems()
{
    ++m_programmatic;
    clear();
    if (isEditable())
        lineEdit()->clear();
    --m_programmatic;
}

int TComboBox::IndexOf(const QString &text) const
{
    return findText(text, Qt::MatchFixedString);
}

void TComboBox::showPopup()
{
    fire([this] { emit OnDropDown(this); });
    applyPendingFontChange();
    QComboBox::showPopup();
}

QSize TComboBox::sizeHint() const
{
    applyPendingFontChange();
    return QComboBox::sizeHint();
}

QSize TComboBox::minimumSizeHint() const
{
    applyPendingFontChange();
    return QComboBox::minimumSizeHint();
}

bool TComboBox::hasDropDownList() const
{
    for (const QObject *child : children()) {
        if (child->isWidgetType() && static_cast<const QWidget *>(child)->isWindow())
            return true;
    }
    return false;
}

void TComboBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange && !hasDropDownList()) {
        // The list, once built, takes the box's font then.
        m_fontChangePending = true;
        QWidget::changeEvent(event);
        return;
    }
    QComboBox::changeEvent(event);
}

void TComboBox::applyPendingFontChange() const
{
    if (!m_fontChangePending)
        return;
    m_fontChangePending = false;
    QEvent change(QEvent::FontChange);
    const_cast<TComboBox *>(this)->QComboBox::changeEvent(&change);
}
