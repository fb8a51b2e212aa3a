#pragma once

// Three-dimensional frames as the classic desktop draws them: a raised or
// lowered edge of light and shadow lines.

#include <QColor>
#include <QRect>

class QBrush;
class QPainter;
class QPalette;

namespace Bevels {
// Draws a frame of `width` pixels just inside `rect`, `topLeft` on the top and
// left edges and `bottomRight` on the others; returns the rectangle inside it.
QRect frame3D(QPainter &p, const QRect &rect, const QColor &topLeft, const QColor &bottomRight, int width);
// Draws a line one pixel high from x1 to x2, both included.
void horizontalLine(QPainter &p, int x1, int x2, int y, const QColor &colour);
// The classic etched separator from x1 to x2: a shadow line at y and a
// highlight line below it.
void separator(QPainter &p, int x1, int x2, int y, const QColor &shadow, const QColor &highlight);
// The classic two-pixel edges of a button and of a panel, raised or sunken,
// and the inside filled with `fill` when given: the pixels of Qt's
// qDrawWinButton and qDrawWinPanel, filled rather than stroked where a
// logical pixel is a device pixel.
void winButton(QPainter &p, const QRect &rect, const QPalette &palette, bool sunken, const QBrush *fill = nullptr);
void winPanel(QPainter &p, const QRect &rect, const QPalette &palette, bool sunken, const QBrush *fill = nullptr);
}
