#include "data/TDBGrid.h"

#include <QAbstractTableModel>
#include <QHeaderView>

// The titles as the header, and the records of an open dataset as rows; no
// dataset opens here, so there are never any rows.
class DBGridModel : public QAbstractTableModel
{
public:
    explicit DBGridModel(TDBGrid *grid)
        : QAbstractTableModel(grid)
        , m_grid(grid)
    {
    }

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : m_rows; }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_grid->columns().size());
    }
    QVariant data(const QModelIndex &, int) const override { return {}; }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || section < 0 || section >= m_grid->columns().size())
            return {};
        if (role == Qt::DisplayRole)
            return m_grid->columns().at(section).title;
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        return {};
    }
    void reset(int rows)
    {
        beginResetModel();
        m_rows = rows;
        endResetModel();
    }

private:
    TDBGrid *m_grid;
    int m_rows = 0;
};

QList<TDBGrid::Column> TDBGrid::columnLayout(const QStringList &fields, const QStringList &titles, const QList<int> &widths)
{
    const qsizetype count = std::max({fields.size(), titles.size(), widths.size()});
    QList<Column> columns;
    columns.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        Column c;
        c.field = fields.value(i);
        c.title = titles.value(i);
        if (c.title.isEmpty())
            c.title = c.field;
        const int width = widths.value(i, -1);
        c.width = width < 0 ? DefaultColumnWidth : width;
        columns << c;
    }
    return columns;
}

TDBGrid::TDBGrid(QObject *owner)
    : ControlWidget<QTableView>(owner)
    , FieldDataLink(this)
    , m_model(new DBGridModel(this))
{
    SetTabStop(true);
    setFocusable(true);
    resize(320, 120);
    setModel(m_model);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The record indicator: a narrow fixed column left of the records.
    verticalHeader()->setSectionsClickable(false);
    verticalHeader()->setFixedWidth(IndicatorWidth);
    addInputWidget(viewport());
    rebuild();
}

TDBGrid::~TDBGrid() = default;

void TDBGrid::SetColumnFields(const QStringList &fields)
{
    m_fields = fields;
    rebuild();
}

void TDBGrid::SetColumnTitles(const QStringList &titles)
{
    m_titles = titles;
    rebuild();
}

void TDBGrid::SetColumnWidths(const QList<int> &widths)
{
    m_widths = widths;
    rebuild();
}

void TDBGrid::SetBorderStyle(Tk::TBorderStyle style)
{
    m_borderStyle = style;
    setFrameShape(style == Tk::TBorderStyle::bsSingle ? QFrame::StyledPanel : QFrame::NoFrame);
}

int TDBGrid::recordCount() const
{
    return m_model->rowCount();
}

void TDBGrid::loaded()
{
    Control::loaded();
    rebuild();
}

void TDBGrid::rebuild()
{
    if (isLoading())
        return;
    m_columns = columnLayout(m_fields, m_titles, m_widths);
    m_model->reset(0);
    for (qsizetype i = 0; i < m_columns.size(); ++i)
        horizontalHeader()->resizeSection(int(i), m_columns.at(i).width);
}
