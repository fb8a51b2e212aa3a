#include "toolkit/TListBox.h"

#include <QCollator>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

class ListBoxDelegate : public QStyledItemDelegate
{
public:
    explicit ListBoxDelegate(TListBox *list)
        : QStyledItemDelegate(list)
        , m_list(list)
    {
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        const int h = m_list->m_style == Tk::TListBoxStyle::lbStandard ? m_list->defaultItemHeight() : m_list->ItemHeight();
        s.setHeight(h);
        if (m_list->m_columns > 0)
            s.setWidth(std::max(1, m_list->viewport()->width() / m_list->m_columns));
        return s;
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        const bool focused = option.state & QStyle::State_HasFocus;
        painter->save();
        const QPalette &pal = m_list->palette();
        painter->fillRect(option.rect, selected ? pal.color(QPalette::Active, QPalette::Highlight) : pal.color(QPalette::Base));
        painter->setPen(selected ? pal.color(QPalette::Active, QPalette::HighlightedText) : pal.color(QPalette::Text));
        painter->setFont(m_list->font());
        m_list->drawItem(*painter, index.row(), option.rect, selected, focused);
        painter->restore();
        if (focused && m_list->hasFocus()) {
            painter->save();
            QPen pen(Qt::DotLine);
            pen.setColor(selected ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text));
            painter->setPen(pen);
            painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
            painter->restore();
        }
    }

    // A line may carry a check state for assistive technology (a check list
    // box); it changes by the list's own rules, never by Qt's Space or click.
    bool editorEvent(QEvent *, QAbstractItemModel *, const QStyleOptionViewItem &, const QModelIndex &) override
    {
        return false;
    }

private:
    TListBox *m_list;
};

TListBox::TListBox(QObject *owner)
    : ControlWidget<QListWidget>(owner)
{
    SetTabStop(true);
    setFocusable(true);
    resize(121, 97);
    setItemDelegate(new ListBoxDelegate(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    addInputWidget(viewport());
    connect(this, &QListWidget::currentRowChanged, this, [this](int) {
        if (m_programmatic == 0 && !isLoading())
            doClick();
    });
}

int TListBox::defaultItemHeight() const
{
    return QFontMetrics(font()).height();
}

QStringList TListBox::Items() const
{
    QStringList list;
    list.reserve(count());
    for (int i = 0; i < count(); ++i)
        list << item(i)->text();
    return list;
}

void TListBox::SetItems(const QStringList &items)
{
    ++m_programmatic;
    clear();
    QStringList sortedItems = items;
    if (m_sorted) {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        std::stable_sort(sortedItems.begin(), sortedItems.end(), [&](const QString &a, const QString &b) { return c.compare(a, b) < 0; });
    }
    addItems(sortedItems);
    --m_programmatic;
    itemsChanged();
}

void TListBox::SetItemIndex(int index)
{
    ++m_programmatic;
    if (index < 0 || index >= count()) {
        setCurrentRow(-1);
        clearSelection();
    } else {
        setCurrentRow(index);
        scrollToItem(item(index));
    }
    --m_programmatic;
}

void TListBox::SetSorted(bool sorted)
{
    m_sorted = sorted;
    if (sorted)
        SetItems(Items());
}

void TListBox::SetColumns(int columns)
{
    m_columns = std::max(0, columns);
    updateGrid();
}

void TListBox::updateGrid()
{
    if (m_columns > 0) {
        setFlow(QListView::TopToBottom);
        setWrapping(true);
        setResizeMode(QListView::Adjust);
        setGridSize(QSize(std::max(1, viewport()->width() / m_columns), m_style == Tk::TListBoxStyle::lbStandard ? defaultItemHeight() : ItemHeight()));
    } else {
        setFlow(QListView::TopToBottom);
        setWrapping(false);
        setGridSize(QSize());
    }
    doItemsLayout();
}

void TListBox::SetMultiSelect(bool multi)
{
    m_multiSelect = multi;
    setSelectionMode(multi ? (m_extendedSelect ? QAbstractItemView::ExtendedSelection : QAbstractItemView::MultiSelection)
                           : QAbstractItemView::SingleSelection);
}

void TListBox::SetExtendedSelect(bool extended)
{
    m_extendedSelect = extended;
    SetMultiSelect(m_multiSelect);
}

void TListBox::SetItemHeight(int height)
{
    m_itemHeight = std::max(1, height);
    updateGrid();
}

void TListBox::SetStyle(Tk::TListBoxStyle style)
{
    m_style = style;
    updateGrid();
}

void TListBox::SetBorderStyle(Tk::TBorderStyle style)
{
    m_borderStyle = style;
    setFrameShape(style == Tk::TBorderStyle::bsSingle ? QFrame::StyledPanel : QFrame::NoFrame);
}

QString TListBox::Item(int index) const
{
    const QListWidgetItem *it = item(index);
    return it ? it->text() : QString();
}

void TListBox::SetItem(int index, const QString &text)
{
    if (QListWidgetItem *it = item(index))
        it->setText(text);
}

int TListBox::AddItem(const QString &text)
{
    int index = count();
    if (m_sorted) {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        index = 0;
        while (index < count() && c.compare(item(index)->text(), text) <= 0)
            ++index;
    }
    InsertItem(index, text);
    return index;
}

void TListBox::InsertItem(int index, const QString &text)
{
    ++m_programmatic;
    insertItem(std::clamp(index, 0, count()), text);
    --m_programmatic;
    itemsChanged();
}

void TListBox::DeleteItem(int index)
{
    if (index < 0 || index >= count())
        return;
    ++m_programmatic;
    delete takeItem(index);
    --m_programmatic;
    itemsChanged();
}

void TListBox::ClearItems()
{
    ++m_programmatic;
    clear();
    --m_programmatic;
    itemsChanged();
}

int TListBox::IndexOf(const QString &text) const
{
    for (int i = 0; i < count(); ++i) {
        if (item(i)->text().compare(text, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool TListBox::Selected(int index) const
{
    const QListWidgetItem *it = item(index);
    return it && it->isSelected();
}

int TListBox::ItemAtPos(const QPoint &viewportPos) const
{
    const QModelIndex idx = indexAt(viewportPos);
    return idx.isValid() ? idx.row() : -1;
}

QRect TListBox::ItemRect(int index) const
{
    const QListWidgetItem *it = item(index);
    return it ? visualItemRect(it) : QRect();
}

void TListBox::drawItem(QPainter &painter, int index, const QRect &rect, bool, bool)
{
    painter.drawText(rect.adjusted(2, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, Item(index));
}

bool TListBox::viewportEvent(QEvent *event)
{
    const bool result = QListWidget::viewportEvent(event);
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *me = static_cast<QMouseEvent *>(event);
        if (me->button() == Qt::LeftButton && viewport()->rect().contains(me->position().toPoint()))
            doClick();
    } else if (event->type() == QEvent::Resize && m_columns > 0) {
        updateGrid();
    }
    return result;
}

void TListBox::changeEvent(QEvent *event)
{
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateGrid();
}
