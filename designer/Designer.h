#pragma once

// Registers the designer's controls with the class registry, so that form
// definitions can name them.

namespace Designer {
void registerClasses();
}
