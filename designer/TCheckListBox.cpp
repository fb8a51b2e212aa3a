#include "designer/TCheckListBox.h"

#include "toolkit/Keys.h"

#include <QAccessible>
#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QMetaMethod>
#include <QPainter>
#include <QPointer>
#include <QtGlobal>

namespace {

// The per-line check state travels with the line's item, so deleting, moving
// or sorting lines keeps each state with its text.
constexpr int StateRole = Qt::UserRole + 1;

QImage loadGlyph(const char *name)
{
    const QString path = QStringLiteral(":/forms/bitmaps/%1.bmp").arg(QLatin1String(name));
    QImage image(path);
    if (image.isNull()) {
        // The glyphs are compiled into the program; keep the geometry even so.
        qWarning("TCheckListBox: the bitmap resource %s is missing", name);
        image = QImage(11, 11, QImage::Format_RGB32);
        image.fill(Qt::white);
    }
    return image;
}

} // namespace

TCheckListBox::TCheckListBox(QObject *owner)
    : TListBox(owner)
{
    static const QImage checked = loadGlyph("CHECKED");
    static const QImage grayed = loadGlyph("GRAYED");
    static const QImage unchecked = loadGlyph("UNCHECKED");
    m_checkedGlyph = checked;
    m_grayedGlyph = grayed;
    m_uncheckedGlyph = unchecked;
    SetStyle(Tk::TListBoxStyle::lbOwnerDrawFixed);
    followFont();
    // Installed after the shared event handling's filter, so this one sees a
    // press first and can keep the order: select, toggle, OnMouseDown.
    viewport()->installEventFilter(this);
}

bool TCheckListBox::Checked(int index) const
{
    return State(index) == Tk::TCheckBoxState::cbChecked;
}

void TCheckListBox::SetChecked(int index, bool checked)
{
    if (index < 0 || index >= Count() || checked == Checked(index))
        return;
    setLineData(index, StateRole, int(checked ? Tk::TCheckBoxState::cbChecked : Tk::TCheckBoxState::cbUnchecked));
    stateChanged(index);
}

Tk::TCheckBoxState TCheckListBox::State(int index) const
{
    const int value = lineData(index, StateRole).toInt();
    return value >= 0 && value <= int(Tk::TCheckBoxState::cbGrayed) ? Tk::TCheckBoxState(value) : Tk::TCheckBoxState::cbUnchecked;
}

void TCheckListBox::SetState(int index, Tk::TCheckBoxState state)
{
    if (index < 0 || index >= Count() || state == State(index))
        return;
    setLineData(index, StateRole, int(state));
    stateChanged(index);
}

void TCheckListBox::itemsChanged()
{
    // To assistive technology every line is a check box, unchecked until set.
    for (int i = 0; i < Count(); ++i) {
        if (!lineData(i, Qt::CheckStateRole).isValid())
            setLineData(i, Qt::CheckStateRole, Qt::Unchecked);
    }
}

void TCheckListBox::stateChanged(int index)
{
    static constexpr Qt::CheckState Shown[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
    setLineData(index, Qt::CheckStateRole, Shown[int(State(index))]);
    viewport()->update();
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(this);
    QAccessibleInterface *line = list && list->tableInterface() ? list->tableInterface()->cellAt(index, 0) : nullptr;
    if (!line)
        return;
    QAccessible::State changed;
    changed.checked = true;
    changed.checkStateMixed = true;
    QAccessibleStateChangeEvent event(line, changed);
    QAccessible::updateAccessibility(&event);
}

void TCheckListBox::SetOffset(int offset)
{
    if (offset == m_offset)
        return;
    m_offset = offset;
    viewport()->update();
}

QImage TCheckListBox::glyph(Tk::TCheckBoxState state) const
{
    switch (state) {
    case Tk::TCheckBoxState::cbChecked:
        return m_checkedGlyph;
    case Tk::TCheckBoxState::cbGrayed:
        return m_grayedGlyph;
    case Tk::TCheckBoxState::cbUnchecked:
        break;
    }
    return m_uncheckedGlyph;
}

TCheckListBox::LinePlacement TCheckListBox::placeLine(const QRect &line, int offset, const QSize &glyphSize, int textHeight)
{
    // Integer division truncates toward zero, also for lines lower than the glyph.
    LinePlacement p;
    p.glyph = QPoint(line.left() + offset, line.top() + (line.height() - glyphSize.height()) / 2);
    const int textLeft = line.left() + offset + glyphSize.width() + offset;
    p.text = QPoint(textLeft, line.top() + (line.height() - textHeight) / 2);
    const int right = line.left() + line.width();
    p.textClip = QRect(textLeft, line.top(), std::max(0, right - textLeft), line.height());
    return p;
}

bool TCheckListBox::onGlyph(int x, const QRect &line, int offset, int glyphWidth)
{
    const int left = line.left() + offset;
    return x >= left && x < left + glyphWidth;
}

Tk::TCheckBoxState TCheckListBox::toggled(Tk::TCheckBoxState state, bool allowGrayed)
{
    using S = Tk::TCheckBoxState;
    if (!allowGrayed)
        return state == S::cbChecked ? S::cbUnchecked : S::cbChecked;
    switch (state) {
    case S::cbUnchecked:
        return S::cbGrayed;
    case S::cbChecked:
        return S::cbUnchecked;
    case S::cbGrayed:
        break;
    }
    return S::cbChecked;
}

int TCheckListBox::lineHeight(int glyphHeight, int textHeight)
{
    return std::max(glyphHeight, textHeight);
}

void TCheckListBox::toggle(int index)
{
    if (m_allowGrayed)
        SetState(index, toggled(State(index), true));
    else
        SetChecked(index, !Checked(index));
}

void TCheckListBox::drawItem(QPainter &painter, int index, const QRect &rect, bool selected, bool focused)
{
    if (isSignalConnected(QMetaMethod::fromSignal(&TCheckListBox::OnDrawItem))) {
        const int state = (selected ? odSelected : 0) | (isEnabled() ? 0 : odDisabled) | (focused ? odFocused : 0);
        m_canvas = &painter;
        const bool handled = fire([&] { emit OnDrawItem(this, index, rect, state); });
        m_canvas = nullptr;
        if (handled)
            return;
    }
    // The list has filled the line with the colours of a selected or an
    // unselected line already.
    const QImage g = glyph(State(index));
    const QFontMetrics fm(painter.font());
    const LinePlacement p = placeLine(rect, m_offset, g.size(), fm.height());
    painter.drawImage(p.glyph, g);
    painter.setClipRect(p.textClip, Qt::IntersectClip);
    painter.drawText(QPoint(p.text.x(), p.text.y() + fm.ascent()), Item(index));
}

bool TCheckListBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != viewport() || event->type() != QEvent::MouseButtonPress)
        return TListBox::eventFilter(watched, event);
    auto *me = static_cast<QMouseEvent *>(event);
    const QPoint pos = me->position().toPoint();
    QPointer<TCheckListBox> guard(this);
    // The list selects the line under the press first (raising OnClick when
    // the selection moves), then the box toggles, then OnMouseDown fires.
    TListBox::viewportEvent(event);
    if (!guard)
        return true;
    const int index = ItemAtPos(pos);
    if (index >= 0 && me->button() == Qt::LeftButton && onGlyph(pos.x(), ItemRect(index), m_offset, m_checkedGlyph.width())) {
        toggle(index);
    }
    const QPoint p = viewport()->mapTo(this, pos);
    doMouseDown(Keys::mouseButton(me->button()), Keys::shiftState(me->modifiers(), me->buttons()), p.x(), p.y());
    return true;
}

void TCheckListBox::changeEvent(QEvent *event)
{
    TListBox::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        followFont();
}

void TCheckListBox::followFont()
{
    SetItemHeight(lineHeight(m_checkedGlyph.height(), QFontMetrics(font()).height()));
}
