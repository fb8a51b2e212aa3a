#pragma once

// Everything the program creates by class name, registered in one call: the
// toolkit's controls, the data components, the wizard, the designer, the
// tour's main form and the product's screens.

namespace Screens {
void registerAll();
}
