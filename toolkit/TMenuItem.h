#pragma once

// One item of a pop-up menu: caption, enabled, visible and checked states, and
// the click event.

#include "toolkit/Component.h"

#include <QObject>
#include <QPointer>

class QAction;
class TPopupMenu;

class TMenuItem : public QObject, public Component
{
    Q_OBJECT
    Q_INTERFACES(Component)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(int HelpContext READ HelpContext WRITE SetHelpContext)

Q_SIGNALS:
    void OnClick(QObject *Sender);

public:
    explicit TMenuItem(QObject *owner);
    ~TMenuItem() override;

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);
    bool Checked() const { return m_checked; }
    void SetChecked(bool checked);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    QString Hint() const { return m_hint; }
    void SetHint(const QString &hint) { m_hint = hint; }
    int HelpContext() const { return m_helpContext; }
    void SetHelpContext(int context) { m_helpContext = context; }

    // What choosing the item does: raises OnClick when the item is enabled.
    void Click();
    TPopupMenu *menu() const { return m_menu; }
    void setMenu(TPopupMenu *menu) { m_menu = menu; }
    QAction *action() const;

    QObject *definitionParent() const override;

private:
    void sync() const;

    QString m_caption;
    bool m_checked = false;
    bool m_enabled = true;
    bool m_visible = true;
    QString m_hint;
    int m_helpContext = 0;
    QPointer<TPopupMenu> m_menu;
    mutable QAction *m_action = nullptr;
};
