#pragma once

// A grid showing the records of a data source in titled columns. The columns
// are given as parallel lists of field names, titles and widths. While the
// data source's dataset is closed (or no data source is named) the grid shows
// only its title row, beside the narrow record indicator column.

#include "data/FieldDataLink.h"
#include "toolkit/ControlWidget.h"

#include <QTableView>
class DBGridModel;

class TDBGrid : public ControlWidget<QTableView>, public FieldDataLink
{
    Q_OBJECT
    TK_CONTROL
    Q_PROPERTY(TDataSource *DataSource READ DataSource WRITE SetDataSource)
    Q_PROPERTY(QStringList ColumnFields READ ColumnFields WRITE SetColumnFields)
    Q_PROPERTY(QStringList ColumnTitles READ ColumnTitles WRITE SetColumnTitles)
    Q_PROPERTY(QList<int> ColumnWidths READ ColumnWidths WRITE SetColumnWidths)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(Tk::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)

public:
    // The width of a column whose width is given as -1 (or not at all).
    static constexpr int DefaultColumnWidth = 64;
    static constexpr int IndicatorWidth = 11;

    struct Column {
        QString field;
        QString title;
        int width = DefaultColumnWidth;
        bool operator==(const Column &) const = default;
    };
    // The columns the three lists describe: as many as the longest list; a
    // missing or empty title is the field name, a missing or negative width
    // the default.
    static QList<Column> columnLayout(const QStringList &fields, const QStringList &titles, const QList<int> &widths);

    explicit TDBGrid(QObject *owner);
    ~TDBGrid() override;

    QStringList ColumnFields() const { return m_fields; }
    void SetColumnFields(const QStringList &fields);
    QStringList ColumnTitles() const { return m_titles; }
    void SetColumnTitles(const QStringList &titles);
    QList<int> ColumnWidths() const { return m_widths; }
    void SetColumnWidths(const QList<int> &widths);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
    Tk::TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(Tk::TBorderStyle style);

    const QList<Column> &columns() const { return m_columns; }
    // The records shown below the title row.
    int recordCount() const;

    void loaded() override;

protected:
    void dataLinkChanged() override { rebuild(); }

private:
    void rebuild();

    DBGridModel *m_model;
    QStringList m_fields;
    QStringList m_titles;
    QList<int> m_widths;
    QList<Column> m_columns;
    bool m_readOnly = false;
    Tk::TBorderStyle m_borderStyle = Tk::TBorderStyle::bsSingle;
};
