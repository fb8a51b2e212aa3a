#pragma once

// What the toolkit's interfaces for assistive technology share: a caption as
// it is spoken, and the children of a widget as a screen reader meets them.

#include <QList>
#include <QString>

class QAccessibleInterface;
class QObject;
class QWidget;

namespace AccessibleControls {

// A caption as spoken: "&Next" gives "Next", "Save && close" "Save & close".
QString stripMnemonic(QString text);

// The child widgets that assistive technology sees: shown, not windows of
// their own (pop-up menus), in Qt's child order.
QList<QWidget *> shownChildren(const QWidget *w);

// The interface of children[index], or null outside the list.
QAccessibleInterface *interfaceAt(const QList<QObject *> &children, int index);
// Where `child` stands among `children`, or -1.
int indexIn(const QList<QObject *> &children, const QAccessibleInterface *child);

} // namespace AccessibleControls
