#pragma once

// Chooses how each control of the toolkit appears to assistive technology:
// one factory, installed by the application at start, gives plain widgets
// and push buttons a ControlAccessible, a notebook's tab row a
// TabBarAccessible, lists and grids an ItemViewAccessible, and an
// AccessibleGroup its panel; Qt's own interfaces serve every other control.

#include <QString>

namespace AccessibleControls {

// Installs the factory; the application does it once at start.
void install();

// The name a clickable control without caption or hint stands for, made of
// the name of its click handler: "DetailBtnClick" gives "Detail",
// "NextDateLblClick" gives "Next Date".
QString nameFromHandler(const QString &handler);

} // namespace AccessibleControls
