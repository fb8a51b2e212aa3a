#pragma once

// Registers the designer's reusable controls (the stretch handle and the
// check list box) with the class registry, so that form definitions can name
// them. They need the toolkit only.

namespace DesignerControls {
void registerClasses();
}
