#pragma once

// What a page does not show is disabled and moved to left 20000 besides, or
// instead of, Qt's hidden state: stored form definitions keep their hidden
// elements so, and the wizard's mnemonic keys go by the place.

class Control;

namespace OutOfSight {

constexpr int Left = 20000;

// Disables `c` and moves it to Left, writing only what differs.
void park(Control &c);

} // namespace OutOfSight
