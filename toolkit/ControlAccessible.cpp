#include "toolkit/ControlAccessible.h"

#include "toolkit/AccessibleControls.h"
#include "toolkit/AccessibleControls_p.h"
#include "toolkit/AccessibleGroup.h"
#include "toolkit/Control.h"
#include "toolkit/NotebookPage.h"
#include "toolkit/TImage.h"
#include "toolkit/TSpeedButton.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>

#include <algorithm>

using AccessibleControls::stripMnemonic;

namespace {

bool hasLetter(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

} // namespace

ControlAccessible::ControlAccessible(QWidget *w)
    : QAccessibleWidget(w)
{
}

QAccessible::Role ControlAccessible::role() const
{
    QWidget *w = widget();
    if (w->isWindow())
        return QAccessible::Window;
    if (clickable())
        return QAccessible::PushButton;
    if (qobject_cast<NotebookPage *>(w))
        return QAccessible::Pane;
    if (qobject_cast<TImage *>(w))
        return QAccessible::Graphic;
    if (!caption().isEmpty() && AccessibleControls::shownChildren(w).isEmpty())
        return QAccessible::StaticText;
    return QAccessible::Client;
}

QString ControlAccessible::text(QAccessible::Text t) const
{
    QWidget *w = widget();
    const Control *c = Control::from(w);
    const QString hint = c ? c->Hint() : QString();
    if (t == QAccessible::Name) {
        if (!w->accessibleName().isEmpty())
            return w->accessibleName();
        if (w->isWindow())
            return w->windowTitle();
        if (const QString shown = caption(); !shown.isEmpty())
            return shown;
        if (hasLetter(hint))
            return hint;
        if (c && clickable())
            return AccessibleControls::nameFromHandler(QString::fromLatin1(c->handlerName("OnClick")));
        return {};
    }
    if (t == QAccessible::Description && !w->accessibleDescription().isEmpty())
        return w->accessibleDescription();
    if (t == QAccessible::Description && hint != text(QAccessible::Name))
        return hint;
    if (t == QAccessible::Accelerator && qobject_cast<QAbstractButton *>(w))
        return QKeySequence::mnemonic(static_cast<QAbstractButton *>(w)->text()).toString(QKeySequence::NativeText);
    return QAccessibleWidget::text(t);
}

QAccessible::State ControlAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    if (const auto *button = qobject_cast<QPushButton *>(widget()))
        s.defaultButton = button->isDefault();
    if (const auto *speed = qobject_cast<TSpeedButton *>(widget()); speed && speed->GroupIndex() > 0) {
        s.checkable = true;
        s.checked = speed->Down();
    }
    return s;
}

QAccessibleInterface *ControlAccessible::parent() const
{
    if (QAccessibleInterface *group = AccessibleGroup::groupAbove(widget()))
        return group;
    return QAccessibleWidget::parent();
}

int ControlAccessible::childCount() const
{
    return int(AccessibleGroup::childrenOf(widget()).size());
}

QAccessibleInterface *ControlAccessible::child(int index) const
{
    return AccessibleControls::interfaceAt(AccessibleGroup::childrenOf(widget()), index);
}

int ControlAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return AccessibleControls::indexIn(AccessibleGroup::childrenOf(widget()), child);
}

QStringList ControlAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (clickable())
        names.prepend(pressAction());
    return names;
}

void ControlAccessible::doAction(const QString &name)
{
    if (name != pressAction() || !clickable() || !widget()->isEnabled()) {
        QAccessibleWidget::doAction(name);
        return;
    }
    QWidget *w = widget();
    if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        button->click();
    } else if (auto *speed = qobject_cast<TSpeedButton *>(w)) {
        speed->Click();
    } else {
        // A panel that sorts a list: what a click of the mouse does.
        const QPointF centre = QRectF(w->rect()).center();
        QMouseEvent press(QEvent::MouseButtonPress, centre, w->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, centre, w->mapToGlobal(centre), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        const QPointer<QWidget> alive(w);
        QCoreApplication::sendEvent(w, &press);
        if (alive)
            QCoreApplication::sendEvent(w, &release);
    }
}

QStringList ControlAccessible::keyBindingsForAction(const QString &name) const
{
    const QString key = text(QAccessible::Accelerator);
    if (name == pressAction() && !key.isEmpty())
        return {key};
    return QAccessibleWidget::keyBindingsForAction(name);
}

QString ControlAccessible::caption() const
{
    QWidget *w = widget();
    if (const auto *button = qobject_cast<QAbstractButton *>(w))
        return stripMnemonic(button->text());
    return stripMnemonic(w->property("Caption").toString());
}

bool ControlAccessible::clickable() const
{
    QWidget *w = widget();
    if (qobject_cast<QAbstractButton *>(w) || qobject_cast<TSpeedButton *>(w))
        return true;
    // A container that reacts to clicks (a form) is no button.
    const Control *c = Control::from(w);
    return c && c->hasHandler("OnClick") && !w->isWindow() && AccessibleControls::shownChildren(w).isEmpty();
}
