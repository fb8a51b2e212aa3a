#pragma once

// Registers the dataset components and the data-aware controls with the class
// registry, so that form definitions can name them.

namespace Data {
void registerClasses();
}
