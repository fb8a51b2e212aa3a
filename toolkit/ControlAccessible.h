#pragma once

// How assistive technology meets a control of the toolkit that Qt knows only
// as a plain widget or a push button: a form's window is a window; speed
// buttons, buttons and leaf panels with a click handler are push buttons with
// a name and the press action; a notebook's page is a pane; a caption
// without children is static text; hidden children are left out.

#include <QAccessibleWidget>

class ControlAccessible : public QAccessibleWidget
{
public:
    explicit ControlAccessible(QWidget *w);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    QAccessibleInterface *parent() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

    QStringList actionNames() const override;
    void doAction(const QString &name) override;
    QStringList keyBindingsForAction(const QString &name) const override;

private:
    QString caption() const;
    bool clickable() const;
};
