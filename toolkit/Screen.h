#pragma once

// The screen-wide cursor (the hourglass shown around long handlers) and the
// mapping of cursor shapes to Qt's.

#include "toolkit/Enums.h"

#include <QCursor>

namespace Screen {
Qt::CursorShape cursorShape(Tk::TCursor cursor);
// crDefault removes the screen-wide cursor; every other shape is shown over
// the whole application until it is set back.
void SetCursor(Tk::TCursor cursor);
Tk::TCursor Cursor();
}
