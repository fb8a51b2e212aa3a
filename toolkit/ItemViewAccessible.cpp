#include "toolkit/ItemViewAccessible.h"

#include "toolkit/AccessibleGroup.h"

#include <QAbstractItemView>

namespace {

// The check state of Qt's line, -1 when it has none.
int checkState(QAccessibleInterface *line)
{
    QAccessibleTableCellInterface *cell = line ? line->tableCellInterface() : nullptr;
    QAccessibleInterface *table = cell ? cell->table() : nullptr;
    const auto *view = table ? qobject_cast<QAbstractItemView *>(table->object()) : nullptr;
    if (!view || !view->model())
        return -1;
    const QVariant v = view->model()->index(cell->rowIndex(), cell->columnIndex()).data(Qt::CheckStateRole);
    return v.isValid() ? v.toInt() : -1;
}

// A line of a list that carries a check state, as Qt presents it, checkable
// and mixed where grayed (states that Qt's own line leaves out). It finds
// Qt's line by id at every call, since Qt drops its lines when the list
// changes.
class CheckLineAccessible : public QAccessibleInterface
{
public:
    explicit CheckLineAccessible(QAccessible::Id line)
        : m_line(line)
    {
    }

    QAccessibleInterface *qt() const { return QAccessible::accessibleInterface(m_line); }

    bool isValid() const override { return qt() && qt()->isValid(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return qt() ? qt()->window() : nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override { return qt() ? qt()->parent() : nullptr; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override { return qt() ? qt()->text(t) : QString(); }
    void setText(QAccessible::Text t, const QString &text) override
    {
        if (qt())
            qt()->setText(t, text);
    }
    QRect rect() const override { return qt() ? qt()->rect() : QRect(); }
    // A check box by role too: some bridges to assistive technology pass no
    // checkable state on, and a line of a list that is checked or not reads
    // as a check box.
    QAccessible::Role role() const override { return QAccessible::CheckBox; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        QAccessibleInterface *line = qt();
        if (!line)
            return s;
        s = line->state();
        const int check = checkState(line);
        s.checkable = true;
        s.checked = check == Qt::Checked;
        s.checkStateMixed = check == Qt::PartiallyChecked;
        return s;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return qt() ? qt()->interface_cast(type) : nullptr;
    }

private:
    QAccessible::Id m_line;
};

} // namespace

ItemViewAccessible::ItemViewAccessible(QAccessibleInterface *qt)
    : m_qt(qt)
    , m_qtId(QAccessible::uniqueId(qt))
{
}

ItemViewAccessible::~ItemViewAccessible()
{
    for (QAccessible::Id id : std::as_const(m_checkLines))
        QAccessible::deleteAccessibleInterface(id);
    QAccessible::deleteAccessibleInterface(m_qtId);
}

QAccessibleInterface *ItemViewAccessible::parent() const
{
    if (QAccessibleInterface *group = AccessibleGroup::groupAbove(qobject_cast<QWidget *>(object())))
        return group;
    return m_qt->parent();
}

int ItemViewAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (auto it = m_checkLines.cbegin(); it != m_checkLines.cend(); ++it) {
        if (QAccessible::accessibleInterface(it.value()) == child)
            return m_qt->indexOfChild(QAccessible::accessibleInterface(it.key()));
    }
    return m_qt->indexOfChild(child);
}

void *ItemViewAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return m_qt->tableInterface() ? static_cast<QAccessibleTableInterface *>(this) : nullptr;
    return m_qt->interface_cast(type);
}

QAccessibleInterface *ItemViewAccessible::cellAt(int row, int column) const
{
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return nullptr;
    return checkLine(table()->cellAt(row, column));
}

QList<QAccessibleInterface *> ItemViewAccessible::selectedCells() const
{
    QList<QAccessibleInterface *> cells = table()->selectedCells();
    for (QAccessibleInterface *&cell : cells)
        cell = checkLine(cell);
    return cells;
}

void ItemViewAccessible::modelChange(QAccessibleTableModelChangeEvent *event)
{
    table()->modelChange(event);
    // Lines that Qt dropped take their check lines with them.
    for (auto it = m_checkLines.begin(); it != m_checkLines.end();) {
        if (QAccessible::accessibleInterface(it.key())) {
            ++it;
            continue;
        }
        QAccessible::deleteAccessibleInterface(it.value());
        it = m_checkLines.erase(it);
    }
}

QAccessibleInterface *ItemViewAccessible::checkLine(QAccessibleInterface *line) const
{
    if (!line || checkState(line) < 0)
        return line;
    const QAccessible::Id id = QAccessible::uniqueId(line);
    if (!m_checkLines.contains(id))
        m_checkLines.insert(id, QAccessible::registerAccessibleInterface(new CheckLineAccessible(id)));
    return QAccessible::accessibleInterface(m_checkLines.value(id));
}
