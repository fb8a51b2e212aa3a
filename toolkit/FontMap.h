#pragma once

// Maps the font names of the stored forms to installed fonts of the same
// metrics ("MS Sans Serif" and "System" to a sans serif, "Times New Roman" to
// a metric-compatible serif), at pixel sizes, so that pixel layouts hold.

#include "toolkit/Enums.h"

#include <QFont>
#include <QString>

namespace FontMap {
// The installed family that stands for `name`.
QString family(const QString &name);
// `height` is the stored font height: negative for the character height in
// pixels, positive for the cell height.
QFont font(const QString &name, int height, Tk::TFontStyles style);
int pixelSize(int height);
// Registers the substitutions with Qt and sets the application font to the
// forms' default ("MS Sans Serif", 11 pixels).
void install();
}
