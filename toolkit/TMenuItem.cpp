#include "toolkit/TMenuItem.h"

#include "toolkit/TPopupMenu.h"

#include <QAction>

TMenuItem::TMenuItem(QObject *owner)
    : QObject(nullptr)
    , Component(this, owner)
{
}

TMenuItem::~TMenuItem()
{
    delete m_action;
}

void TMenuItem::SetCaption(const QString &caption)
{
    m_caption = caption;
    sync();
}

void TMenuItem::SetChecked(bool checked)
{
    m_checked = checked;
    sync();
}

void TMenuItem::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    sync();
}

void TMenuItem::SetVisible(bool visible)
{
    m_visible = visible;
    sync();
}

void TMenuItem::Click()
{
    if (m_enabled)
        fire([this] { emit OnClick(this); });
}

QAction *TMenuItem::action() const
{
    if (!m_action) {
        m_action = new QAction;
        QObject::connect(m_action, &QAction::triggered, const_cast<TMenuItem *>(this), &TMenuItem::Click);
        sync();
    }
    return m_action;
}

void TMenuItem::sync() const
{
    if (!m_action)
        return;
    m_action->setText(m_caption);
    m_action->setCheckable(m_checked);
    m_action->setChecked(m_checked);
    m_action->setEnabled(m_enabled);
    m_action->setVisible(m_visible);
}

QObject *TMenuItem::definitionParent() const
{
    return m_menu;
}
