#pragma once

// Placement of aligned controls inside their parent's client rectangle: top-
// aligned controls stack down from the top, bottom-aligned up from the bottom,
// then left and right, and client-aligned controls take what is left.

#include "toolkit/Enums.h"

#include <QRect>

#include <vector>

namespace AlignLayout {

struct Item {
    Tk::TAlign align = Tk::TAlign::alNone;
    QRect bounds;   // current bounds; the result replaces them
};

// Places every item whose alignment is not alNone; others are left alone.
// Items of one alignment keep their current order along the edge they stack
// against (by top, bottom, left or right), ties in list order.
void arrange(const QRect &client, std::vector<Item> &items);

} // namespace AlignLayout
