#pragma once

// Conversion of stored colours to Qt colours, and the classic desktop palette
// the tour is drawn in.

#include "toolkit/Enums.h"

#include <QColor>
#include <QPalette>

namespace Colors {
QColor toQColor(Tk::TColor color);
Tk::TColor fromRgb(int red, int green, int blue);
bool isSystemColor(Tk::TColor color);
// Window, button face and text colours of the classic three-dimensional look.
QPalette classicPalette();
}
