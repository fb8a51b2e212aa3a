#pragma once

// Registers the designer's controls and its screen with the class registry,
// so that form definitions can name them.

namespace Designer {
void registerClasses();
}
