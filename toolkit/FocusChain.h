#pragma once

// Qt's focus chain as the one store of the tab order. Every widget of a
// window stands in one ring, containers too; the windowed controls of a
// parent are in tab order as they stand there. QWidget::setTabOrder moves
// only widgets that take the focus, and none when nothing between the two
// takes it: what a new order moves is lifted for the move.

#include <QList>

#include <functional>

class Control;
class QWidget;

namespace FocusChain {

// The windowed controls of `parent` as they stand in the chain.
QList<Control *> controlsOf(const QWidget *parent);

// Puts the controls of one parent in the order wanted.
using Reorder = std::function<void(QList<Control *> &controls)>;

// Writes what lies inside `root` into the chain right behind it: under every
// parent the widgets that are no windowed controls (the tabs of a notebook,
// the buttons of a radio group) in the order they were made, then its
// windowed controls as `reorder` puts them, each followed by what lies inside
// it. Graphic controls and widgets that hand their focus to another take no
// place.
void arrange(QWidget *root, const Reorder &reorder);

} // namespace FocusChain
