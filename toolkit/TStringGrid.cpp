#include "toolkit/TStringGrid.h"

#include "toolkit/BoundedCache.h"
#include "toolkit/Colors.h"
#include "toolkit/TextKey.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QGlyphRun>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

// Shows the grid's non-fixed cells; the fixed row and column are the headers.
class GridModel : public QAbstractTableModel
{
public:
    explicit GridModel(TStringGrid *grid)
        : QAbstractTableModel(grid)
        , m_grid(grid)
    {
    }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : std::max(0, m_grid->m_rowCount - m_grid->m_fixedRows);
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : std::max(0, m_grid->m_colCount - m_grid->m_fixedCols);
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return m_grid->Cell(index.column() + m_grid->m_fixedCols, index.row() + m_grid->m_fixedRows);
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        // Without a fixed row (column) the first row (column) holds data, and
        // assistive technology, which asks for headers also while they are
        // hidden, must not read it as headings.
        if (role != Qt::DisplayRole)
            return {};
        if (orientation == Qt::Horizontal && m_grid->m_fixedRows > 0)
            return m_grid->Cell(section + m_grid->m_fixedCols, 0);
        if (orientation == Qt::Horizontal) {
            const QString heading = m_grid->m_columnHeadings.value(section);
            return heading.isEmpty() ? QVariant() : QVariant(heading);
        }
        return m_grid->m_fixedCols > 0 ? m_grid->Cell(0, section + m_grid->m_fixedRows) : QVariant();
    }
    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        Qt::ItemFlags f = QAbstractTableModel::flags(index);
        if (m_grid->m_options.testFlag(Tk::TGridOption::goEditing) && !m_grid->m_options.testFlag(Tk::TGridOption::goRowSelect))
            f |= Qt::ItemIsEditable;
        return f;
    }
    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        if (role != Qt::EditRole)
            return false;
        const int col = index.column() + m_grid->m_fixedCols;
        const int row = index.row() + m_grid->m_fixedRows;
        const QString text = value.toString();
        if (m_grid->Cell(col, row) == text)
            return true;
        m_grid->m_cells.insert(TStringGrid::key(col, row), text);
        emit dataChanged(index, index);
        m_grid->fire([&] { emit m_grid->OnSetEditText(m_grid, col, row, text); });
        return true;
    }
    void reset()
    {
        beginResetModel();
        endResetModel();
    }
    void cellChanged(int col, int row)
    {
        const int fr = m_grid->m_fixedRows;
        const int fc = m_grid->m_fixedCols;
        if (row < fr && col >= fc)
            emit headerDataChanged(Qt::Horizontal, col - fc, col - fc);
        else if (col < fc && row >= fr)
            emit headerDataChanged(Qt::Vertical, row - fr, row - fr);
        else if (row >= fr && col >= fc && row < m_grid->m_rowCount && col < m_grid->m_colCount) {
            const QModelIndex i = index(row - fr, col - fc);
            emit dataChanged(i, i);
        }
    }

private:
    TStringGrid *m_grid;
};

namespace {

// The width of a cell's text in a font, measured once: the lists show the
// same texts in the same font page after page, and measuring shapes the text.
qreal textWidth(const QFontMetricsF &metrics, const QFont &font, const QString &text)
{
    static BoundedCache<TextKey, qreal> widths;
    return widths.get({font, metrics.fontDpi(), -1, text}, [&] { return metrics.horizontalAdvance(text); });
}

// A cell's text shaped into glyphs once for all grids, for the painter's
// font and resolution: drawing the glyphs is then all a paint does, and they
// land on the pixels drawText() gives them. Text with control characters
// (a tab stop) or a decorated font is left to drawText(); null then.
struct TextRuns {
    QList<QGlyphRun> runs;
    qreal ascent = 0;
};

const TextRuns *textRuns(QPainter *painter, const QString &text)
{
    const QFont &font = painter->font();
    if (font.underline() || font.overline() || font.strikeOut()
        || std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20; }))
        return nullptr;
    static BoundedCache<TextKey, TextRuns, 1024> shaped;
    return &shaped.get({font, qreal(painter->device()->logicalDpiY()), -1, text}, [&] {
        QTextLayout layout(text, font, painter->device());
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        return TextRuns{layout.glyphRuns(), line.ascent()};
    });
}

} // namespace

// Writes every keystroke of the cell editor into the cell, as the grid's own
// editor does; the editor's keys and mouse events are the grid's.
class GridDelegate : public QStyledItemDelegate
{
public:
    explicit GridDelegate(TStringGrid *grid)
        : QStyledItemDelegate(grid)
        , m_grid(grid)
    {
    }
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        m_grid->addInputWidget(editor);
        if (auto *line = qobject_cast<QLineEdit *>(editor)) {
            line->setFrame(false);
            QPersistentModelIndex persistent(index);
            auto *model = const_cast<QAbstractItemModel *>(index.model());
            connect(line, &QLineEdit::textEdited, line, [model, persistent](const QString &text) {
                if (persistent.isValid())
                    model->setData(persistent, text, Qt::EditRole);
            });
        }
        return editor;
    }

    // Without goTabs, Tab and Shift+Tab in the cell editor end the edit and
    // move on to the next or previous control, as on the grid itself.
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && !m_grid->Options().testFlag(Tk::TGridOption::goTabs)) {
            auto *key = static_cast<QKeyEvent *>(event);
            const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
            if (plain && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
                auto *editor = qobject_cast<QWidget *>(object);
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                m_grid->moveFocusOn(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

    // A cell of plain text is drawn as the style draws it, placed and elided
    // the same way, but without a text layout built for every cell at every
    // paint; anything else in a cell is left to the style.
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const auto plain = QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::Alternate;
        if ((opt.features & ~plain) || (opt.state & QStyle::State_Editing) || opt.text.contains(QChar::LineSeparator)
            || (opt.displayAlignment & Qt::AlignHorizontal_Mask) != Qt::AlignLeft || opt.direction != Qt::LeftToRight) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        const QWidget *w = opt.widget;
        const QStyle *style = w ? w->style() : QApplication::style();
        painter->save();
        painter->setClipRect(opt.rect);
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, w);
        QPalette::ColorGroup cg = opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
        if (cg == QPalette::Normal && !(opt.state & QStyle::State_Active))
            cg = QPalette::Inactive;
        if (!opt.text.isEmpty()) {
            painter->setPen(opt.palette.color(cg, opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
            const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, w) + 1;
            const QRect textRect = opt.rect.adjusted(margin, 0, -margin, 0);
            const QFontMetricsF metrics(opt.font);
            QString text = opt.text;
            if (textWidth(metrics, opt.font, text) > textRect.width())
                text = opt.fontMetrics.elidedText(text, opt.textElideMode, textRect.width());
            const QRect line = QStyle::alignedRect(opt.direction, opt.displayAlignment,
                                                   QSize(textRect.width(), int(std::ceil(metrics.ascent() + metrics.descent()))), textRect);
            painter->setFont(opt.font);
            const QPointF baseline(textRect.left(), line.top() + metrics.ascent());
            if (const TextRuns *runs = textRuns(painter, text)) {
                for (const QGlyphRun &run : runs->runs)
                    painter->drawGlyphRun(baseline - QPointF(0, runs->ascent), run);
            } else {
                painter->drawText(baseline, text);
            }
        }
        if (opt.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(opt);
            focus.rect = style->subElementRect(QStyle::SE_ItemViewItemFocusRect, &opt, w);
            focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
            focus.backgroundColor = opt.palette.color(opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled,
                                                      opt.state & QStyle::State_Selected ? QPalette::Highlight : QPalette::Window);
            style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, w);
        }
        painter->restore();
    }

private:
    TStringGrid *m_grid;
};

// The fixed row and column: the section's face as the style draws it, the
// text as the grid draws its cells, over the whole height of the row, so
// that a font as tall as the row is not cut by the style's margins.
class GridHeader : public QHeaderView
{
public:
    GridHeader(Qt::Orientation orientation, QWidget *parent)
        : QHeaderView(orientation, parent)
    {
    }

    // The fixed cells take the height or width the grid fixes for them; the
    // view asks only for that, and Qt's own hint would measure every
    // section's text to answer.
    QSize sizeHint() const override { return minimumSize(); }

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override
    {
        if (!rect.isValid())
            return;
        QStyleOptionHeader opt;
        initStyleOption(&opt);
        opt.rect = rect;
        opt.section = logicalIndex;
        style()->drawControl(QStyle::CE_HeaderSection, &opt, painter, this);
        const QString text = model() ? model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString() : QString();
        painter->save();
        painter->setFont(font());
        painter->setPen(opt.palette.color(QPalette::ButtonText));
        painter->drawText(rect.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        painter->restore();
    }
};

TStringGrid::TStringGrid(QObject *owner)
    : ControlWidget<QTableView>(owner)
    , m_model(new GridModel(this))
{
    SetTabStop(true);
    setFocusable(true);
    resize(320, 120);
    // The grid's own headers go in before the model, so that only they are
    // set up for it (the view's default ones would be set up, then dropped).
    setHorizontalHeader(new GridHeader(Qt::Horizontal, this));
    setVerticalHeader(new GridHeader(Qt::Vertical, this));
    setModel(m_model);
    setItemDelegate(new GridDelegate(this));
    setWordWrap(false);
    setCornerButtonEnabled(false);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The selection stays visible while the grid does not have the focus.
    QPalette pal = palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText, pal.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(pal);
    addInputWidget(viewport());
    applyHeaderFont();
    applyOptions();
    relayout();
}

TStringGrid::~TStringGrid() = default;

void TStringGrid::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applyHeaderFont();
}

void TStringGrid::applyHeaderFont()
{
    // Fixed cells are drawn in the grid's own font. Given explicitly, since a
    // header font of the platform would otherwise win over the inherited one.
    horizontalHeader()->setFont(font());
    verticalHeader()->setFont(font());
}

void TStringGrid::SetColCount(int count)
{
    count = std::max(1, count);
    if (count == m_colCount)
        return;
    m_colCount = count;
    if (m_fixedCols >= m_colCount)
        m_fixedCols = m_colCount - 1;
    resetModel();
}

void TStringGrid::SetRowCount(int count)
{
    const bool cleared = count < 1;
    count = std::max(1, count);
    if (count != m_rowCount) {
        m_rowCount = count;
        if (m_fixedRows >= m_rowCount)
            m_fixedRows = m_rowCount - 1;
        resetModel();
    }
    if (cleared) {
        for (int c = 0; c < m_colCount; ++c)
            SetCell(c, 0, QString());
    }
}

void TStringGrid::SetFixedCols(int count)
{
    count = std::clamp(count, 0, std::min(1, m_colCount - 1));
    if (count == m_fixedCols)
        return;
    m_fixedCols = count;
    resetModel();
}

void TStringGrid::SetFixedRows(int count)
{
    count = std::clamp(count, 0, std::min(1, m_rowCount - 1));
    if (count == m_fixedRows)
        return;
    m_fixedRows = count;
    resetModel();
}

void TStringGrid::resetModel()
{
    const bool hadCurrent = currentIndex().isValid();
    const int row = currentIndex().row();
    const int col = currentIndex().column();
    ++m_programmatic;
    m_model->reset();
    relayout();
    const int rows = m_model->rowCount();
    const int cols = m_model->columnCount();
    if (hadCurrent && rows > 0 && cols > 0)
        setCurrentIndex(m_model->index(std::min(row, rows - 1), std::min(col, cols - 1)));
    --m_programmatic;
}

void TStringGrid::SetDefaultColWidth(int width)
{
    m_defaultColWidth = std::max(0, width);
    relayout();
}

void TStringGrid::SetDefaultRowHeight(int height)
{
    m_defaultRowHeight = std::max(1, height);
    relayout();
}

QList<int> TStringGrid::ColWidths() const
{
    QList<int> list;
    for (int c = 0; c < m_colCount; ++c)
        list << ColWidth(c);
    return list;
}

void TStringGrid::SetColWidths(const QList<int> &widths)
{
    for (int c = 0; c < widths.size(); ++c)
        m_colWidths.insert(c, std::max(0, widths.at(c)));
    relayout();
}

int TStringGrid::ColWidth(int col) const
{
    return m_colWidths.value(col, m_defaultColWidth);
}

void TStringGrid::SetColWidth(int col, int width)
{
    m_colWidths.insert(col, std::max(0, width));
    relayout();
}

void TStringGrid::SetOptions(Tk::TGridOptions options)
{
    m_options = options;
    applyOptions();
}

void TStringGrid::SetScrollBars(Tk::TScrollStyle bars)
{
    m_scrollBars = bars;
    const bool h = bars == Tk::TScrollStyle::ssHorizontal || bars == Tk::TScrollStyle::ssBoth;
    const bool v = bars == Tk::TScrollStyle::ssVertical || bars == Tk::TScrollStyle::ssBoth;
    setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(v ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void TStringGrid::SetBorderStyle(Tk::TBorderStyle style)
{
    m_borderStyle = style;
    setFrameShape(style == Tk::TBorderStyle::bsSingle ? QFrame::StyledPanel : QFrame::NoFrame);
}

void TStringGrid::setColumnHeadings(const QStringList &headings)
{
    m_columnHeadings = headings;
    if (m_model->columnCount() > 0)
        emit m_model->headerDataChanged(Qt::Horizontal, 0, m_model->columnCount() - 1);
}

void TStringGrid::SetGridLineWidth(int width)
{
    m_gridLineWidth = std::max(0, width);
    applyOptions();
    relayout();
}

void TStringGrid::applyOptions()
{
    const bool rowSelect = m_options.testFlag(Tk::TGridOption::goRowSelect);
    setSelectionBehavior(rowSelect ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    const bool editing = m_options.testFlag(Tk::TGridOption::goEditing) && !rowSelect;
    setEditTriggers(editing ? (QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
                               | QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked)
                            : QAbstractItemView::NoEditTriggers);
    setShowGrid(m_gridLineWidth > 0
                && (m_options.testFlag(Tk::TGridOption::goVertLine) || m_options.testFlag(Tk::TGridOption::goHorzLine)));
    setGridStyle(Qt::SolidLine);
    // Tab moves between the cells only where the options ask for it;
    // otherwise it moves on to the next control, as the forms expect.
    setTabKeyNavigation(m_options.testFlag(Tk::TGridOption::goTabs));
}

void TStringGrid::moveFocusOn(bool forward)
{
    focusNextPrevChild(forward);
}

void TStringGrid::relayout()
{
    const int line = m_gridLineWidth > 0 ? m_gridLineWidth : 0;
    auto *hh = horizontalHeader();
    auto *vh = verticalHeader();
    hh->setVisible(m_fixedRows > 0);
    vh->setVisible(m_fixedCols > 0);
    vh->setDefaultSectionSize(m_defaultRowHeight + line);
    if (m_fixedRows > 0)
        hh->setFixedHeight(m_defaultRowHeight + line);
    if (m_fixedCols > 0)
        vh->setFixedWidth(ColWidth(0) + line);
    for (int c = m_fixedCols; c < m_colCount; ++c)
        hh->resizeSection(c - m_fixedCols, ColWidth(c) + line);
}

QModelIndex TStringGrid::modelIndex(int col, int row) const
{
    return m_model->index(row - m_fixedRows, col - m_fixedCols);
}

int TStringGrid::Row() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() + m_fixedRows : m_fixedRows;
}

void TStringGrid::SetRow(int row)
{
    if (row < m_fixedRows || row >= m_rowCount)
        return;
    const int col = std::max(Col(), m_fixedCols);
    const QModelIndex i = modelIndex(col, row);
    if (!i.isValid())
        return;
    setCurrentIndex(i);
    scrollTo(i);
}

int TStringGrid::Col() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.column() + m_fixedCols : m_fixedCols;
}

void TStringGrid::SetCol(int col)
{
    if (col < m_fixedCols || col >= m_colCount)
        return;
    const QModelIndex i = modelIndex(col, Row());
    if (!i.isValid())
        return;
    setCurrentIndex(i);
    scrollTo(i);
}

int TStringGrid::TopRow() const
{
    const int r = rowAt(0);
    return (r < 0 ? 0 : r) + m_fixedRows;
}

void TStringGrid::SetTopRow(int row)
{
    const QModelIndex i = modelIndex(m_fixedCols, row);
    if (i.isValid())
        scrollTo(i, QAbstractItemView::PositionAtTop);
}

int TStringGrid::VisibleRowCount() const
{
    const int pitch = m_defaultRowHeight + (m_gridLineWidth > 0 ? m_gridLineWidth : 0);
    return pitch > 0 ? viewport()->height() / pitch : 0;
}

QString TStringGrid::Cell(int col, int row) const
{
    return m_cells.value(key(col, row));
}

void TStringGrid::SetCell(int col, int row, const QString &text)
{
    if (col < 0 || row < 0)
        return;
    const quint64 k = key(col, row);
    auto it = m_cells.find(k);
    if (it == m_cells.end()) {
        if (text.isEmpty())
            return;
        m_cells.insert(k, text);
    } else {
        if (*it == text)
            return;
        if (text.isEmpty())
            m_cells.erase(it);
        else
            *it = text;
    }
    m_model->cellChanged(col, row);
}

QStringList TStringGrid::RowTexts(int row) const
{
    QStringList list;
    for (int c = 0; c < m_colCount; ++c)
        list << Cell(c, row);
    return list;
}

void TStringGrid::ClearCells()
{
    m_cells.clear();
    resetModel();
}

QPoint TStringGrid::CellAtPos(const QPoint &viewportPos) const
{
    const QModelIndex i = indexAt(viewportPos);
    if (!i.isValid())
        return {-1, -1};
    return {i.column() + m_fixedCols, i.row() + m_fixedRows};
}

QRect TStringGrid::CellRect(int col, int row) const
{
    return visualRect(modelIndex(col, row));
}

void TStringGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    // With whole-row selection the view selects the row itself; selectRow()
    // here would move the current cell to the first column.
    QTableView::currentChanged(current, previous);
    if (current != previous && current.isValid() && !isLoading() && m_programmatic == 0)
        doClick();
}

void TStringGrid::loaded()
{
    Control::loaded();
    if (!currentIndex().isValid() && m_model->rowCount() > 0 && m_model->columnCount() > 0) {
        ++m_programmatic;
        setCurrentIndex(m_model->index(0, 0));
        --m_programmatic;
    }
}

bool TStringGrid::viewportEvent(QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick) {
        // Only the left button moves the current cell; the right one is for
        // the pop-up menu of the row the user is on.
        if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            return true;
    }
    if (type != QEvent::MouseButtonPress)
        return QTableView::viewportEvent(event);
    // A press on the current cell moves nothing but is a click all the same.
    auto *me = static_cast<QMouseEvent *>(event);
    const QModelIndex before = currentIndex();
    QPointer<QWidget> self(this);
    const bool result = QTableView::viewportEvent(event);
    if (self && me->button() == Qt::LeftButton && before.isValid() && currentIndex() == before
        && indexAt(me->position().toPoint()).isValid() && !isLoading())
        doClick();
    return result;
}

bool TStringGrid::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    // A key that opens the cell editor is handed on to it; the grid has
    // already raised its key events for that key.
    const QEvent *outer = m_forwardedKey;
    m_forwardedKey = event && event->type() == QEvent::KeyPress ? event : outer;
    const bool result = QTableView::edit(index, trigger, event);
    m_forwardedKey = outer;
    return result;
}
