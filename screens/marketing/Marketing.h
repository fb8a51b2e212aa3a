#pragma once

// Registers the screen classes of this group with the class registry, so
// that the tour's page hosts can create them by class name.

namespace Marketing {
void registerClasses();
}
