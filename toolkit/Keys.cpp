#include "toolkit/Keys.h"

namespace {
struct Pair {
    int qt;
    int vk;
};
constexpr Pair table[] = {
    {Qt::Key_Backspace, Keys::VK_BACK}, {Qt::Key_Tab, Keys::VK_TAB},       {Qt::Key_Backtab, Keys::VK_TAB},
    {Qt::Key_Return, Keys::VK_RETURN},  {Qt::Key_Enter, Keys::VK_RETURN},  {Qt::Key_Shift, Keys::VK_SHIFT},
    {Qt::Key_Control, Keys::VK_CONTROL}, {Qt::Key_Alt, Keys::VK_MENU},     {Qt::Key_Escape, Keys::VK_ESCAPE},
    {Qt::Key_Space, Keys::VK_SPACE},    {Qt::Key_PageUp, Keys::VK_PRIOR},  {Qt::Key_PageDown, Keys::VK_NEXT},
    {Qt::Key_End, Keys::VK_END},        {Qt::Key_Home, Keys::VK_HOME},     {Qt::Key_Left, Keys::VK_LEFT},
    {Qt::Key_Up, Keys::VK_UP},          {Qt::Key_Right, Keys::VK_RIGHT},   {Qt::Key_Down, Keys::VK_DOWN},
    {Qt::Key_Insert, Keys::VK_INSERT},  {Qt::Key_Delete, Keys::VK_DELETE},
};
} // namespace

int Keys::virtualKey(int key)
{
    for (const Pair &p : table) {
        if (p.qt == key)
            return p.vk;
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return 0x41 + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return 0x30 + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return VK_F1 + (key - Qt::Key_F1);
    return 0;
}

int Keys::qtKey(int vk)
{
    for (const Pair &p : table) {
        if (p.vk == vk)
            return p.qt;
    }
    if (vk >= 0x41 && vk <= 0x5A)
        return Qt::Key_A + (vk - 0x41);
    if (vk >= 0x30 && vk <= 0x39)
        return Qt::Key_0 + (vk - 0x30);
    if (vk >= VK_F1 && vk < VK_F1 + 24)
        return Qt::Key_F1 + (vk - VK_F1);
    return 0;
}

Tk::TShiftState Keys::shiftState(Qt::KeyboardModifiers m, Qt::MouseButtons b)
{
    Tk::TShiftState s;
    if (m & Qt::ShiftModifier)
        s |= Tk::TShiftStateFlag::ssShift;
    if (m & Qt::AltModifier)
        s |= Tk::TShiftStateFlag::ssAlt;
    if (m & Qt::ControlModifier)
        s |= Tk::TShiftStateFlag::ssCtrl;
    if (b & Qt::LeftButton)
        s |= Tk::TShiftStateFlag::ssLeft;
    if (b & Qt::RightButton)
        s |= Tk::TShiftStateFlag::ssRight;
    if (b & Qt::MiddleButton)
        s |= Tk::TShiftStateFlag::ssMiddle;
    return s;
}

Tk::TMouseButton Keys::mouseButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::RightButton: return Tk::TMouseButton::mbRight;
    case Qt::MiddleButton: return Tk::TMouseButton::mbMiddle;
    default: return Tk::TMouseButton::mbLeft;
    }
}

bool Keys::isMnemonic(Qt::KeyboardModifiers modifiers, int qtKey)
{
    return modifiers == Qt::AltModifier
           && ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9));
}
