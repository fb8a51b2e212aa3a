#include "toolkit/TListBox.h"

#include <QAbstractListModel>
#include <QCollator>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

// The lines of a list box: their texts, and whatever else a line carries
// under an item role (a check list's states).
class ListBoxLines : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(m_lines.size());
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!valid(index))
            return {};
        const Line &line = m_lines.at(index.row());
        return role == Qt::DisplayRole || role == Qt::EditRole ? QVariant(line.text) : line.roles.value(role);
    }
    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        if (!valid(index))
            return false;
        Line &line = m_lines[index.row()];
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            line.text = value.toString();
        else
            line.roles.insert(role, value);
        emit dataChanged(index, index, {role});
        return true;
    }
    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        return valid(index) ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable : Qt::NoItemFlags;
    }

    QString text(int row) const { return row >= 0 && row < m_lines.size() ? m_lines.at(row).text : QString(); }
    void reset(const QStringList &texts)
    {
        beginResetModel();
        m_lines.clear();
        m_lines.reserve(texts.size());
        for (const QString &t : texts)
            m_lines.append({t, {}});
        endResetModel();
    }
    void insert(int row, const QString &text)
    {
        beginInsertRows(QModelIndex(), row, row);
        m_lines.insert(row, {text, {}});
        endInsertRows();
    }
    void remove(int row)
    {
        beginRemoveRows(QModelIndex(), row, row);
        m_lines.removeAt(row);
        endRemoveRows();
    }

private:
    struct Line {
        QString text;
        QHash<int, QVariant> roles;
    };
    bool valid(const QModelIndex &index) const
    {
        return index.isValid() && index.model() == this && index.row() < m_lines.size();
    }

    QList<Line> m_lines;
};

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
    : ControlWidget<QListView>(owner)
    , m_lines(new ListBoxLines(this))
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
}

bool TListBox::attached() const
{
    return model() == m_lines;
}

void TListBox::attach() const
{
    if (attached())
        return;
    auto *self = const_cast<TListBox *>(this);
    self->setModel(m_lines);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, self, [self] {
        if (self->m_programmatic == 0 && !self->isLoading())
            self->doClick();
    });
}

QModelIndex TListBox::lineIndex(int index) const
{
    return m_lines->index(index, 0);
}

int TListBox::Count() const
{
    return m_lines->rowCount();
}

int TListBox::ItemIndex() const
{
    return attached() ? currentIndex().row() : -1;
}

QVariant TListBox::lineData(int index, int role) const
{
    return m_lines->data(lineIndex(index), role);
}

void TListBox::setLineData(int index, int role, const QVariant &value)
{
    m_lines->setData(lineIndex(index), value, role);
}

int TListBox::defaultItemHeight() const
{
    return QFontMetrics(font()).height();
}

QStringList TListBox::Items() const
{
    QStringList list;
    list.reserve(Count());
    for (int i = 0; i < Count(); ++i)
        list << Item(i);
    return list;
}

void TListBox::SetItems(const QStringList &items)
{
    ++m_programmatic;
    QStringList sortedItems = items;
    if (m_sorted) {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        std::stable_sort(sortedItems.begin(), sortedItems.end(), [&](const QString &a, const QString &b) { return c.compare(a, b) < 0; });
    }
    m_lines->reset(sortedItems);
    --m_programmatic;
    itemsChanged();
}

void TListBox::SetItemIndex(int index)
{
    attach();
    ++m_programmatic;
    if (index < 0 || index >= Count()) {
        setCurrentIndex(QModelIndex());
        clearSelection();
    } else {
        setCurrentIndex(lineIndex(index));
        scrollTo(lineIndex(index));
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
    return m_lines->text(index);
}

void TListBox::SetItem(int index, const QString &text)
{
    m_lines->setData(lineIndex(index), text, Qt::DisplayRole);
}

int TListBox::AddItem(const QString &text)
{
    int index = Count();
    if (m_sorted) {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        index = 0;
        while (index < Count() && c.compare(Item(index), text) <= 0)
            ++index;
    }
    InsertItem(index, text);
    return index;
}

void TListBox::InsertItem(int index, const QString &text)
{
    ++m_programmatic;
    m_lines->insert(std::clamp(index, 0, Count()), text);
    --m_programmatic;
    itemsChanged();
}

void TListBox::DeleteItem(int index)
{
    if (index < 0 || index >= Count())
        return;
    ++m_programmatic;
    m_lines->remove(index);
    --m_programmatic;
    itemsChanged();
}

void TListBox::ClearItems()
{
    ++m_programmatic;
    m_lines->reset({});
    --m_programmatic;
    itemsChanged();
}

int TListBox::IndexOf(const QString &text) const
{
    for (int i = 0; i < Count(); ++i) {
        if (Item(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool TListBox::Selected(int index) const
{
    return attached() && selectionModel()->isSelected(lineIndex(index));
}

int TListBox::ItemAtPos(const QPoint &viewportPos) const
{
    const QModelIndex idx = indexAt(viewportPos);
    return idx.isValid() ? idx.row() : -1;
}

QRect TListBox::ItemRect(int index) const
{
    if (index < 0 || index >= Count())
        return QRect();
    attach();
    return visualRect(lineIndex(index));
}

void TListBox::drawItem(QPainter &painter, int index, const QRect &rect, bool, bool)
{
    painter.drawText(rect.adjusted(2, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, Item(index));
}

bool TListBox::viewportEvent(QEvent *event)
{
    const bool result = QListView::viewportEvent(event);
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
    QListView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateGrid();
}

void TListBox::showEvent(QShowEvent *event)
{
    attach();
    QListView::showEvent(event);
}
