#pragma once

// Registers the tour's form classes with the class registry.

namespace Tour {
void registerClasses();
}
