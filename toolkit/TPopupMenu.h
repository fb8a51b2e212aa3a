#pragma once

// A pop-up menu: a non-visual component holding menu items, shown at the
// mouse by the controls that name it as their pop-up menu.

#include "toolkit/Component.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

class QMenu;
class TMenuItem;

class TPopupMenu : public QObject, public Component
{
    Q_OBJECT
    Q_INTERFACES(Component)
    Q_PROPERTY(bool AutoPopup READ AutoPopup WRITE SetAutoPopup)
    Q_PROPERTY(int HelpContext READ HelpContext WRITE SetHelpContext)

Q_SIGNALS:
    void OnPopup(QObject *Sender);

public:
    explicit TPopupMenu(QObject *owner);
    ~TPopupMenu() override;

    bool AutoPopup() const { return m_autoPopup; }
    void SetAutoPopup(bool autoPopup) { m_autoPopup = autoPopup; }
    int HelpContext() const { return m_helpContext; }
    void SetHelpContext(int context) { m_helpContext = context; }

    QList<TMenuItem *> items() const;
    TMenuItem *itemByCaption(const QString &caption) const;   // '&' ignored
    // Shows the menu at the screen point (x, y).
    void Popup(int x, int y);
    QMenu *menu() const;

    bool acceptChild(QObject *child) override;

private:
    void rebuild() const;

    bool m_autoPopup = true;
    int m_helpContext = 0;
    QList<QPointer<TMenuItem>> m_items;
    mutable QMenu *m_menu = nullptr;
};
