#pragma once

// Registers the wizard framework's component classes with the class
// registry, so that form definitions can name them.

namespace Wizard {
void registerClasses();
}
