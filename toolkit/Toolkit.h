#pragma once

// Registers the standard controls with the class registry, so that form
// definitions can name them.

namespace Toolkit {
void registerClasses();
}
