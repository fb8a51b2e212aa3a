#pragma once

// A grid of text cells addressed as (column, row), rows and columns numbered as
// the forms number them: a fixed row is row 0 and is drawn as the grid's
// header, a fixed column is column 0. Cells outside RowCount or ColCount can
// be written and read; they are kept but not shown. OnClick is raised when the
// current cell changes (by the user or by setting Row or Col) and when the
// user presses the mouse on the current cell.

#include "toolkit/ControlWidget.h"

#include <QHash>
#include <QTableView>

class GridModel;

class TStringGrid : public ControlWidget<QTableView>
{
    Q_OBJECT
    TK_CONTROL
    Q_PROPERTY(int ColCount READ ColCount WRITE SetColCount)
    Q_PROPERTY(int RowCount READ RowCount WRITE SetRowCount)
    Q_PROPERTY(int FixedCols READ FixedCols WRITE SetFixedCols)
    Q_PROPERTY(int FixedRows READ FixedRows WRITE SetFixedRows)
    Q_PROPERTY(int DefaultColWidth READ DefaultColWidth WRITE SetDefaultColWidth)
    Q_PROPERTY(int DefaultRowHeight READ DefaultRowHeight WRITE SetDefaultRowHeight)
    Q_PROPERTY(QList<int> ColWidths READ ColWidths WRITE SetColWidths)
    Q_PROPERTY(Tk::TGridOptions Options READ Options WRITE SetOptions)
    Q_PROPERTY(Tk::TScrollStyle ScrollBars READ ScrollBars WRITE SetScrollBars)
    Q_PROPERTY(Tk::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(int GridLineWidth READ GridLineWidth WRITE SetGridLineWidth)
    Q_PROPERTY(Tk::TColor FixedColor READ FixedColor WRITE SetFixedColor)
    Q_PROPERTY(int Row READ Row WRITE SetRow STORED false)
    Q_PROPERTY(int Col READ Col WRITE SetCol STORED false)

Q_SIGNALS:
    void OnSelectCell(QObject *Sender, int ACol, int ARow, bool &CanSelect);
    void OnSetEditText(QObject *Sender, int ACol, int ARow, const QString &Value);

public:
    explicit TStringGrid(QObject *owner);
    ~TStringGrid() override;

    int ColCount() const { return m_colCount; }
    void SetColCount(int count);
    // At least one row always remains; setting fewer keeps one empty row.
    int RowCount() const { return m_rowCount; }
    void SetRowCount(int count);
    int FixedCols() const { return m_fixedCols; }
    void SetFixedCols(int count);
    int FixedRows() const { return m_fixedRows; }
    void SetFixedRows(int count);
    int DefaultColWidth() const { return m_defaultColWidth; }
    void SetDefaultColWidth(int width);
    int DefaultRowHeight() const { return m_defaultRowHeight; }
    void SetDefaultRowHeight(int height);
    QList<int> ColWidths() const;
    void SetColWidths(const QList<int> &widths);
    int ColWidth(int col) const;
    void SetColWidth(int col, int width);
    Tk::TGridOptions Options() const { return m_options; }
    void SetOptions(Tk::TGridOptions options);
    Tk::TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(Tk::TScrollStyle bars);
    Tk::TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(Tk::TBorderStyle style);
    int GridLineWidth() const { return m_gridLineWidth; }
    void SetGridLineWidth(int width);
    Tk::TColor FixedColor() const { return m_fixedColor; }
    void SetFixedColor(Tk::TColor color) { m_fixedColor = color; }

    // The current cell; with no current cell, the first non-fixed one.
    int Row() const;
    void SetRow(int row);
    int Col() const;
    void SetCol(int col);
    int TopRow() const;
    void SetTopRow(int row);
    int VisibleRowCount() const;

    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString &text);
    QStringList RowTexts(int row) const;
    void ClearCells();

    // The cell under a point of the viewport, or (-1, -1).
    QPoint CellAtPos(const QPoint &viewportPos) const;
    // Moves the focus to the next (or previous) control of the form.
    void moveFocusOn(bool forward);
    QRect CellRect(int col, int row) const;
    // What assistive technology reads as the headings of the columns that
    // are not fixed, while the grid has no fixed row of its own: the texts
    // that stand above those columns on the form.
    QStringList columnHeadings() const { return m_columnHeadings; }
    void setColumnHeadings(const QStringList &headings);

    void loaded() override;

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void changeEvent(QEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    bool nativeClick() const override { return true; }
    bool keyAlreadySeen(const QEvent *event) const override { return event && event == m_forwardedKey; }
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;

private:
    friend class GridModel;
    friend class GridDelegate;
    // Rebuilds the view after the numbers of rows or columns changed,
    // keeping a current cell (moved into range) when there was one.
    void resetModel();
    void relayout();
    void applyOptions();
    void applyHeaderFont();
    QModelIndex modelIndex(int col, int row) const;
    static quint64 key(int col, int row) { return (quint64(quint32(row)) << 32) | quint32(col); }

    GridModel *m_model;
    const QEvent *m_forwardedKey = nullptr;
    QHash<quint64, QString> m_cells;
    QHash<int, int> m_colWidths;
    QStringList m_columnHeadings;
    int m_colCount = 5;
    int m_rowCount = 5;
    int m_fixedCols = 1;
    int m_fixedRows = 1;
    int m_defaultColWidth = 64;
    int m_defaultRowHeight = 24;
    Tk::TGridOptions m_options = Tk::TGridOption::goFixedVertLine | Tk::TGridOption::goFixedHorzLine
                                 | Tk::TGridOption::goVertLine | Tk::TGridOption::goHorzLine
                                 | Tk::TGridOption::goRangeSelect;
    Tk::TScrollStyle m_scrollBars = Tk::TScrollStyle::ssBoth;
    Tk::TBorderStyle m_borderStyle = Tk::TBorderStyle::bsSingle;
    int m_gridLineWidth = 1;
    Tk::TColor m_fixedColor = Tk::TColor::clBtnFace;
    int m_programmatic = 0;
};
