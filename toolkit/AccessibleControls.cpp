#include "toolkit/AccessibleControls.h"

#include "toolkit/AccessibleControls_p.h"
#include "toolkit/AccessibleGroup.h"
#include "toolkit/Control.h"
#include "toolkit/ControlAccessible.h"
#include "toolkit/GroupAccessible.h"
#include "toolkit/ItemViewAccessible.h"
#include "toolkit/NotebookHost.h"
#include "toolkit/TabBarAccessible.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>

namespace {

// Plain widgets and push buttons of the toolkit.
bool servedHere(QWidget *w)
{
    if (!Control::from(w))
        return false;
    if (const auto *button = qobject_cast<QAbstractButton *>(w))
        return qobject_cast<const QPushButton *>(button) && !button->isCheckable();
    for (const QMetaObject *mo = w->metaObject(); mo; mo = mo->superClass()) {
        if (mo->className()[0] == 'Q')
            return mo == &QWidget::staticMetaObject;
    }
    return false;
}

// Set while the factory asks Qt for its own interface of a view, to wrap it.
bool standingAside = false;

QAccessibleInterface *factory(const QString &, QObject *object)
{
    if (standingAside)
        return nullptr;
    if (auto *group = qobject_cast<AccessibleGroup *>(object))
        return new GroupAccessible(group);
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *w = static_cast<QWidget *>(object);
    if (auto *bar = qobject_cast<QTabBar *>(w); bar && qobject_cast<NotebookHost *>(w->parentWidget()))
        return new TabBarAccessible(bar);
    if (qobject_cast<QAbstractItemView *>(w) && Control::from(w)) {
        standingAside = true;
        QAccessibleInterface *qt = QAccessible::queryAccessibleInterface(w);
        standingAside = false;
        return qt ? new ItemViewAccessible(qt) : nullptr;
    }
    return servedHere(w) ? new ControlAccessible(w) : nullptr;
}

} // namespace

void AccessibleControls::install()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(factory);
    installed = true;
}

QString AccessibleControls::nameFromHandler(const QString &handler)
{
    QString stem = handler;
    for (const char *suffix : {"Click", "Btn", "Button", "Lbl", "Label"}) {
        if (stem.endsWith(QLatin1String(suffix)) && stem.size() > int(qstrlen(suffix)))
            stem.chop(qsizetype(qstrlen(suffix)));
    }
    static const QRegularExpression wordStart(QStringLiteral("(?<=[a-z])(?=[A-Z])"));
    return stem.split(wordStart).join(u' ');
}

QString AccessibleControls::stripMnemonic(QString text)
{
    static const QRegularExpression single(QStringLiteral("&(?!&)"));
    return text.remove(single).replace(QStringLiteral("&&"), QStringLiteral("&")).trimmed();
}

QList<QWidget *> AccessibleControls::shownChildren(const QWidget *w)
{
    QList<QWidget *> list;
    for (QObject *o : w->children()) {
        if (o->isWidgetType() && !static_cast<QWidget *>(o)->isWindow() && !static_cast<QWidget *>(o)->isHidden())
            list << static_cast<QWidget *>(o);
    }
    return list;
}

QAccessibleInterface *AccessibleControls::interfaceAt(const QList<QObject *> &children, int index)
{
    return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children.at(index)) : nullptr;
}

int AccessibleControls::indexIn(const QList<QObject *> &children, const QAccessibleInterface *child)
{
    return child ? int(children.indexOf(child->object())) : -1;
}
