#pragma once

// Three-dimensional frames as the classic desktop draws them: a raised or
// lowered edge of light and shadow lines.

#include <QColor>
#include <QRect>

class QPainter;

namespace Bevels {
// Draws a frame of `width` pixels just inside `rect`, `topLeft` on the top and
// left edges and `bottomRight` on the others; returns the rectangle inside it.
QRect frame3D(QPainter &p, const QRect &rect, const QColor &topLeft, const QColor &bottomRight, int width);
// Draws a line one pixel high from x1 to x2, both included.
void horizontalLine(QPainter &p, int x1, int x2, int y, const QColor &colour);
}
