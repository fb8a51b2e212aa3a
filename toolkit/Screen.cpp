#include "toolkit/Screen.h"

#include <QApplication>

namespace {
Tk::TCursor screenCursor = Tk::TCursor::crDefault;
}

Qt::CursorShape Screen::cursorShape(Tk::TCursor cursor)
{
    using C = Tk::TCursor;
    switch (cursor) {
    case C::crNone: return Qt::BlankCursor;
    case C::crCross: return Qt::CrossCursor;
    case C::crIBeam: return Qt::IBeamCursor;
    case C::crSizeNESW: return Qt::SizeBDiagCursor;
    case C::crSizeNS: return Qt::SizeVerCursor;
    case C::crSizeNWSE: return Qt::SizeFDiagCursor;
    case C::crSizeWE: return Qt::SizeHorCursor;
    case C::crUpArrow: return Qt::UpArrowCursor;
    case C::crHourGlass:
    case C::crSQLWait: return Qt::WaitCursor;
    case C::crDrag: return Qt::DragMoveCursor;
    case C::crMultiDrag: return Qt::DragCopyCursor;
    case C::crNoDrop:
    case C::crNo: return Qt::ForbiddenCursor;
    case C::crHSplit: return Qt::SplitHCursor;
    case C::crVSplit: return Qt::SplitVCursor;
    case C::crAppStart: return Qt::BusyCursor;
    case C::crHelp: return Qt::WhatsThisCursor;
    case C::crHandPoint: return Qt::PointingHandCursor;
    case C::crSizeAll: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
    }
}

void Screen::SetCursor(Tk::TCursor cursor)
{
    if (cursor == screenCursor)
        return;
    if (qobject_cast<QApplication *>(QCoreApplication::instance())) {
        if (screenCursor != Tk::TCursor::crDefault)
            QApplication::restoreOverrideCursor();
        if (cursor != Tk::TCursor::crDefault)
            QApplication::setOverrideCursor(QCursor(cursorShape(cursor)));
    }
    screenCursor = cursor;
}

Tk::TCursor Screen::Cursor()
{
    return screenCursor;
}
