#include "toolkit/TPopupMenu.h"

#include "toolkit/TMenuItem.h"

#include <QAction>
#include <QMenu>

TPopupMenu::TPopupMenu(QObject *owner)
    : QObject(nullptr)
    , Component(this, owner)
{
}

TPopupMenu::~TPopupMenu()
{
    delete m_menu;
}

QList<TMenuItem *> TPopupMenu::items() const
{
    QList<TMenuItem *> list;
    for (const auto &p : m_items) {
        if (p)
            list << p.data();
    }
    return list;
}

TMenuItem *TPopupMenu::itemByCaption(const QString &caption) const
{
    for (TMenuItem *item : items()) {
        if (item->Caption().remove(u'&') == QString(caption).remove(u'&'))
            return item;
    }
    return nullptr;
}

bool TPopupMenu::acceptChild(QObject *child)
{
    auto *item = qobject_cast<TMenuItem *>(child);
    if (!item)
        return false;
    item->setMenu(this);
    m_items << item;
    return true;
}

void TPopupMenu::rebuild() const
{
    if (!m_menu)
        m_menu = new QMenu;
    m_menu->clear();
    for (TMenuItem *item : items()) {
        if (item->Caption() == u"-")
            m_menu->addSeparator();
        else
            m_menu->addAction(item->action());
    }
}

QMenu *TPopupMenu::menu() const
{
    rebuild();
    return m_menu;
}

void TPopupMenu::Popup(int x, int y)
{
    fire([this] { emit OnPopup(this); });
    menu()->popup(QPoint(x, y));
}
