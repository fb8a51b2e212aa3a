#include "toolkit/TRadioGroup.h"

#include <QButtonGroup>
#include <QEvent>
#include <QRadioButton>

TRadioGroup::TRadioGroup(QObject *owner)
    : ControlWidget<QGroupBox>(owner)
    , m_group(new QButtonGroup(this))
{
    SetTabStop(true);
    setFocusable(false);
    resize(185, 105);
}

QList<QRect> TRadioGroup::buttonRects(int width, int height, int textHeight, int count, int columns)
{
    QList<QRect> rects;
    if (count <= 0)
        return rects;
    columns = std::max(1, columns);
    const int perColumn = (count + columns - 1) / columns;
    const int buttonWidth = (width - 10) / columns;
    const int space = height - textHeight - 5;
    const int buttonHeight = space / perColumn;
    const int topMargin = textHeight + 1 + (space % perColumn) / 2;
    for (int i = 0; i < count; ++i) {
        rects << QRect(buttonWidth * (i / perColumn) + 8, (i % perColumn) * buttonHeight + topMargin, std::max(0, buttonWidth),
                       std::max(0, buttonHeight));
    }
    return rects;
}

void TRadioGroup::SetItems(const QStringList &items)
{
    m_items = items;
    rebuild();
}

void TRadioGroup::SetItemIndex(int index)
{
    // While loading, Items may come after ItemIndex; rebuild() checks it.
    if (isLoading() && m_items.isEmpty()) {
        m_itemIndex = std::max(-1, index);
        return;
    }
    index = std::clamp(index, -1, int(m_items.size()) - 1);
    if (index == m_itemIndex)
        return;
    ++m_updating;
    if (m_itemIndex >= 0 && m_itemIndex < m_buttons.size()) {
        // An exclusive group keeps one button checked; let go for a moment.
        m_group->setExclusive(false);
        m_buttons[m_itemIndex]->setChecked(false);
        m_group->setExclusive(true);
    }
    m_itemIndex = index;
    if (index >= 0 && index < m_buttons.size())
        m_buttons[index]->setChecked(true);
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setFocusPolicy(i == std::max(0, m_itemIndex) ? Qt::StrongFocus : Qt::ClickFocus);
    --m_updating;
    if (!isLoading())
        doClick();
}

void TRadioGroup::SetColumns(int columns)
{
    m_columns = std::clamp(columns, 1, 16);
    arrange();
}

QRadioButton *TRadioGroup::Button(int index) const
{
    return index >= 0 && index < m_buttons.size() ? m_buttons[index] : nullptr;
}

namespace {

// A line of the group: the whole line takes the click, not only its text.
class GroupButton : public QRadioButton
{
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};

} // namespace

void TRadioGroup::rebuild()
{
    qDeleteAll(m_buttons);
    m_buttons.clear();
    for (int i = 0; i < m_items.size(); ++i) {
        auto *b = new GroupButton(m_items.at(i), this);
        b->setAttribute(Qt::WA_NoMousePropagation);
        // A group of their own keeps these buttons apart from radio buttons
        // elsewhere on the form.
        m_group->addButton(b);
        m_buttons << b;
        connect(b, &QRadioButton::toggled, this, [this, i](bool on) { buttonToggled(i, on); });
    }
    if (m_itemIndex >= m_items.size())
        m_itemIndex = -1;
    ++m_updating;
    if (m_itemIndex >= 0)
        m_buttons[m_itemIndex]->setChecked(true);
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setFocusPolicy(i == std::max(0, m_itemIndex) ? Qt::StrongFocus : Qt::ClickFocus);
    --m_updating;
    arrange();
    for (auto *b : m_buttons)
        b->show();
}

void TRadioGroup::arrange()
{
    const QList<QRect> rects = buttonRects(width(), height(), fontMetrics().height(), int(m_buttons.size()), m_columns);
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setGeometry(rects.at(i));
}

void TRadioGroup::buttonToggled(int index, bool checked)
{
    if (m_updating || !checked || index == m_itemIndex)
        return;
    m_itemIndex = index;
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setFocusPolicy(i == index ? Qt::StrongFocus : Qt::ClickFocus);
    if (!isLoading())
        doClick();
}

void TRadioGroup::resizeEvent(QResizeEvent *event)
{
    QGroupBox::resizeEvent(event);
    arrange();
}

void TRadioGroup::changeEvent(QEvent *event)
{
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        arrange();
}
