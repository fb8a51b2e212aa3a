#include "toolkit/HourGlass.h"

#include "toolkit/Screen.h"

HourGlass::HourGlass()
    : m_before(Screen::Cursor())
{
    Screen::SetCursor(Tk::TCursor::crHourGlass);
}

HourGlass::~HourGlass()
{
    Screen::SetCursor(m_before);
}
