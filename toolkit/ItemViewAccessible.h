#pragma once

// A list or grid of the toolkit as Qt presents it, with two changes: table
// queries for rows and columns that do not exist (an empty list asked for its
// first cell) answer nothing instead of a warning, and lines that carry a
// check state are check boxes, checked, unchecked or mixed. The interface Qt
// made for the view stays registered under its own id and goes with this one.

#include <QAccessibleInterface>
#include <QHash>

class ItemViewAccessible : public QAccessibleInterface, public QAccessibleTableInterface
{
public:
    explicit ItemViewAccessible(QAccessibleInterface *qt);
    ~ItemViewAccessible() override;

    bool isValid() const override { return m_qt->isValid(); }
    QObject *object() const override { return m_qt->object(); }
    QWindow *window() const override { return m_qt->window(); }
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        return m_qt->relations(match);
    }
    QAccessibleInterface *focusChild() const override { return checkLine(m_qt->focusChild()); }
    QAccessibleInterface *childAt(int x, int y) const override { return checkLine(m_qt->childAt(x, y)); }
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override { return checkLine(m_qt->child(index)); }
    int childCount() const override { return m_qt->childCount(); }
    int indexOfChild(const QAccessibleInterface *child) const override;
    QString text(QAccessible::Text t) const override { return m_qt->text(t); }
    void setText(QAccessible::Text t, const QString &text) override { m_qt->setText(t, text); }
    QRect rect() const override { return m_qt->rect(); }
    QAccessible::Role role() const override { return m_qt->role(); }
    QAccessible::State state() const override { return m_qt->state(); }
    QColor foregroundColor() const override { return m_qt->foregroundColor(); }
    QColor backgroundColor() const override { return m_qt->backgroundColor(); }
    void virtual_hook(int id, void *data) override { m_qt->virtual_hook(id, data); }
    void *interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface *caption() const override { return table()->caption(); }
    QAccessibleInterface *summary() const override { return table()->summary(); }
    QAccessibleInterface *cellAt(int row, int column) const override;
    int selectedCellCount() const override { return table()->selectedCellCount(); }
    QList<QAccessibleInterface *> selectedCells() const override;
    QString columnDescription(int column) const override { return table()->columnDescription(column); }
    QString rowDescription(int row) const override { return table()->rowDescription(row); }
    int selectedColumnCount() const override { return table()->selectedColumnCount(); }
    int selectedRowCount() const override { return table()->selectedRowCount(); }
    int columnCount() const override { return table()->columnCount(); }
    int rowCount() const override { return table()->rowCount(); }
    QList<int> selectedColumns() const override { return table()->selectedColumns(); }
    QList<int> selectedRows() const override { return table()->selectedRows(); }
    bool isColumnSelected(int column) const override { return table()->isColumnSelected(column); }
    bool isRowSelected(int row) const override { return table()->isRowSelected(row); }
    bool selectRow(int row) override { return table()->selectRow(row); }
    bool selectColumn(int column) override { return table()->selectColumn(column); }
    bool unselectRow(int row) override { return table()->unselectRow(row); }
    bool unselectColumn(int column) override { return table()->unselectColumn(column); }
    void modelChange(QAccessibleTableModelChangeEvent *event) override;

private:
    QAccessibleTableInterface *table() const { return m_qt->tableInterface(); }
    // Qt's line, or the check line standing for it when the line has a check state.
    QAccessibleInterface *checkLine(QAccessibleInterface *line) const;

    QAccessibleInterface *m_qt;
    QAccessible::Id m_qtId;
    // Qt's line id to the id of the check line standing for it.
    mutable QHash<QAccessible::Id, QAccessible::Id> m_checkLines;
};
