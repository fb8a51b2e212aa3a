#include "toolkit/TSpeedButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

TSpeedButton::TSpeedButton(QObject *owner)
    : ControlWidget<QWidget>(owner)
{
    setFocusable(false);
    resize(25, 25);
}

void TSpeedButton::SetCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void TSpeedButton::SetFlat(bool flat)
{
    m_flat = flat;
    update();
}

void TSpeedButton::SetGroupIndex(int index)
{
    m_groupIndex = std::max(0, index);
    if (m_groupIndex == 0 && !isLoading())
        m_down = false;
    update();
}

void TSpeedButton::SetAllowAllUp(bool allow)
{
    m_allowAllUp = allow;
    if (isLoading())
        return;
    for (TSpeedButton *b : groupMembers())
        b->m_allowAllUp = allow;
}

void TSpeedButton::SetDown(bool down)
{
    // While loading the group may not be complete yet; loaded() settles it.
    if (!isLoading() && m_groupIndex == 0)
        down = false;
    // Without AllowAllUp a held button comes up only when another of its
    // group goes down.
    if (!isLoading() && !down && m_down && !m_allowAllUp)
        return;
    if (down == m_down)
        return;
    m_down = down;
    if (down && !isLoading())
        releaseOthers();
    update();
}

void TSpeedButton::releaseOthers()
{
    for (TSpeedButton *b : groupMembers()) {
        if (b->m_down) {
            b->m_down = false;
            b->update();
        }
    }
}

QList<TSpeedButton *> TSpeedButton::groupMembers() const
{
    QList<TSpeedButton *> list;
    if (m_groupIndex == 0 || !parentWidget())
        return list;
    for (QObject *o : parentWidget()->children()) {
        auto *b = qobject_cast<TSpeedButton *>(o);
        if (b && b != this && b->m_groupIndex == m_groupIndex)
            list << b;
    }
    return list;
}

void TSpeedButton::loaded()
{
    Control::loaded();
    if (m_groupIndex == 0)
        m_down = false;
    else if (m_down)
        releaseOthers();
}

void TSpeedButton::Click()
{
    if (m_groupIndex > 0) {
        if (!m_down)
            SetDown(true);
        else if (m_allowAllUp)
            SetDown(false);
    }
    doClick();
}

void TSpeedButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && isEnabled()) {
        m_pressed = true;
        update();
    }
    QWidget::mousePressEvent(event);
}

void TSpeedButton::mouseMoveEvent(QMouseEvent *event)
{
    const bool inside = rect().contains(event->position().toPoint());
    if (inside != m_mouseInside) {
        m_mouseInside = inside;
        update();
    }
    QWidget::mouseMoveEvent(event);
}

void TSpeedButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_pressed) {
        m_pressed = false;
        update();
        if (rect().contains(event->position().toPoint()) && isEnabled())
            Click();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void TSpeedButton::enterEvent(QEnterEvent *event)
{
    m_mouseInside = true;
    update();
    QWidget::enterEvent(event);
}

void TSpeedButton::leaveEvent(QEvent *event)
{
    m_mouseInside = false;
    update();
    QWidget::leaveEvent(event);
}

void TSpeedButton::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        m_pressed = false;
        update();
    }
}

void TSpeedButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const bool sunken = m_down || (m_pressed && m_mouseInside);
    QStyleOptionButton opt;
    opt.initFrom(this);
    opt.rect = rect();
    opt.state |= sunken ? QStyle::State_Sunken : QStyle::State_Raised;
    if (!m_flat || sunken || (m_mouseInside && isEnabled())) {
        if (m_flat)
            style()->drawPrimitive(QStyle::PE_PanelButtonTool, &opt, &p, this);
        else
            style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &opt, &p, this);
    }
    if (m_down && !m_pressed) {
        // A held button shows a checked background.
        p.fillRect(rect().adjusted(2, 2, -2, -2), QBrush(palette().color(QPalette::Light), Qt::Dense4Pattern));
    }
    ButtonGlyph::State state = ButtonGlyph::State::Up;
    if (!isEnabled())
        state = ButtonGlyph::State::Disabled;
    else if (m_pressed && m_mouseInside)
        state = ButtonGlyph::State::Down;
    else if (m_down)
        state = ButtonGlyph::State::Exclusive;
    QRect client = rect().adjusted(2, 2, -2, -2);
    if (sunken)
        client.translate(1, 1);
    paintGlyph(p, client, m_caption, font(), palette(), state);
}
