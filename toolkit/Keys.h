#pragma once

// Key codes of the platform (virtual keys) and shift states, from Qt's.

#include "toolkit/Enums.h"

#include <Qt>

namespace Keys {
enum : int {
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_MENU = 0x12,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21,
    VK_NEXT = 0x22,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    VK_F1 = 0x70
};
// 0 for keys without a code.
int virtualKey(int qtKey);
int qtKey(int virtualKey);
Tk::TShiftState shiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = {});
Tk::TMouseButton mouseButton(Qt::MouseButton button);
// Alt with a letter or a digit and nothing else: a mnemonic, never input.
bool isMnemonic(Qt::KeyboardModifiers modifiers, int qtKey);
}
